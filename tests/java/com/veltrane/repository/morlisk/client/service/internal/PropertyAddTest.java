package com.veltrane.repository.morlisk.client.service.internal;

import static com.veltrane.repository.morlisk.client.service.internal.Check.eq;
import static com.veltrane.repository.morlisk.client.service.internal.Check.isFalse;
import static com.veltrane.repository.morlisk.client.service.internal.Check.isTrue;
import static com.veltrane.repository.morlisk.client.service.internal.Check.readText;
import static com.veltrane.repository.morlisk.client.service.internal.Check.test;
import static com.veltrane.repository.morlisk.client.service.internal.Check.workPath;

import java.util.ArrayList;
import java.util.List;

/** Building records: addObject and the three add-property methods. */
public final class PropertyAddTest {
    private static final SRTFNativeInterface srtf = new SRTFNativeInterface();
    private static final int ENTITIES = 31;
    private static final int LOCAL_OBJECTS = 3;
    private static final String GUID_TEXT = "0123456789ABCDEF0123456789ABCDEF";
    private static final String GUID_LOWER = "0123456789abcdef0123456789abcdef";

    /** The values of a group of the record the walk stands on: texts quoted, else numbers. */
    private static List<String> walk(int h, String group) {
        List<String> values = new ArrayList<>();
        while ((group.equals("data") ? srtf.iterateDataProperty(h)
                : group.equals("base") ? srtf.iterateBaseProperty(h) : srtf.iterateTechKeyProperty(h)) >= 0) {
            values.add(srtf.isCurrentPropertyString(h) ? "\"" + srtf.getStrProperty(h) + "\""
                    : Integer.toString(srtf.getIntProperty(h)));
        }
        return values;
    }

    /** The record at position index of the section's list (walked from its start). */
    private static void standOn(int h, int sectionId, int index) {
        while (srtf.iterateObject(h, sectionId)) {
            // run any earlier walk to its end
        }
        for (int i = 0; i <= index; i++) {
            isTrue(srtf.iterateObject(h, sectionId), "record " + i + " of section " + sectionId);
        }
    }

    public static void main(String[] args) {
        test("skipped positions get integer zeros, passed positions are ignored", () -> {
            int h = srtf.init();
            srtf.addObject(h, ENTITIES);
            srtf.addDataProperty(h, 3, "note");
            srtf.addDataProperty(h, 1, "ignored");
            srtf.addDataProperty(h, 6, 5);
            srtf.addDataProperty(h, 6, 9);  // passed as well
            standOn(h, ENTITIES, 0);
            eq(List.of("0", "0", "0", "\"note\"", "0", "0", "5", "0", "0", "0", "0", "0"), walk(h, "data"), "data");
        });

        test("tech keys and base columns are added the same way", () -> {
            int h = srtf.init();
            srtf.addObject(h, ENTITIES);
            srtf.addTechKeyProperty(h, -1, 12);  // a negative position does nothing
            srtf.addTechKeyProperty(h, 0, 12);
            srtf.addTechKeyProperty(h, 2, 30);
            srtf.addBaseProperty(h, 0, GUID_TEXT);
            srtf.addBaseProperty(h, 2, 7);
            srtf.addBaseProperty(h, 6, "3");  // a text into an int column stores the text's integer, 0
            standOn(h, ENTITIES, 0);
            eq(List.of("12", "0", "30"), walk(h, "tech"), "tech keys");
            eq(List.of("\"" + GUID_LOWER + "\"", "0", "7", "0", "0", "0", "0"), walk(h, "base"), "base");
        });

        test("a fresh group after iterateObject fills from its first position again", () -> {
            int h = srtf.init();
            srtf.addObject(h, ENTITIES);
            srtf.addDataProperty(h, 6, 5);
            srtf.iterateObject(h, ENTITIES);  // removes the property walk; the added record stays
            srtf.addDataProperty(h, 7, 1);    // fills 0..6 with zeros
            standOn(h, ENTITIES, 0);
            List<String> data = walk(h, "data");
            eq("0", data.get(6), "DimModelSettings overwritten by a filler");
            eq("1", data.get(7), "Flags");
        });

        test("32 hex digits reach a text column as that text and a GUID column as the GUID", () -> {
            int h = srtf.init();
            srtf.addObject(h, ENTITIES);
            srtf.addDataProperty(h, 0, GUID_TEXT);                // EntityName, a text column
            srtf.addBaseProperty(h, 0, GUID_TEXT);                // ObjectGUID
            srtf.addBaseProperty(h, 1, GUID_TEXT.replace('F', 'G'));  // not hex: no GUID
            srtf.addObject(h, LOCAL_OBJECTS);
            srtf.addDataProperty(h, 0, GUID_TEXT);                // InSyncVerGUID, a GUID column
            srtf.addDataProperty(h, 1, GUID_TEXT);                // ObjectType, a text column
            srtf.addDataProperty(h, 3, GUID_TEXT.substring(1));   // ObjectGUID, 31 digits: no GUID
            standOn(h, ENTITIES, 0);
            eq("\"" + GUID_TEXT + "\"", walk(h, "data").get(0), "entity name");
            eq(List.of("\"" + GUID_LOWER + "\"", "0"), walk(h, "base").subList(0, 2), "object and version GUID");
            standOn(h, LOCAL_OBJECTS, 0);
            eq(List.of("\"" + GUID_LOWER + "\"", "\"" + GUID_TEXT + "\"", "0", "0"),
                    walk(h, "data").subList(0, 4), "local object");
        });

        test("an add at a huge position returns at once and nothing overflows", () -> {
            int h = srtf.init();
            srtf.addObject(h, ENTITIES);
            srtf.addDataProperty(h, 0, "first");
            srtf.addDataProperty(h, Integer.MAX_VALUE, "far");
            srtf.addDataProperty(h, Integer.MAX_VALUE, 1);
            srtf.addDataProperty(h, 3, "late");  // behind the group's end: ignored
            srtf.addTechKeyProperty(h, Integer.MAX_VALUE, 1);
            srtf.addTechKeyProperty(h, 0, 99);
            srtf.addBaseProperty(h, Integer.MAX_VALUE, GUID_TEXT);
            srtf.addBaseProperty(h, 2, 4);
            standOn(h, ENTITIES, 0);
            eq(List.of("\"first\"", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"), walk(h, "data"), "data");
            eq(List.of("0", "0", "0"), walk(h, "tech"), "tech keys");
            eq(List.of("0", "0", "0", "0", "0", "0", "0"), walk(h, "base"), "base");
        });

        test("records of the administration lists are made, filled and walked", () -> {
            int h = srtf.init();
            int[] ids = {3, 130, 138, 171, 172, 173};
            int[] columns = {5, 8, 6, 9, 20, 4};
            for (int i = 0; i < ids.length; i++) {
                srtf.addObject(h, ids[i]);
                srtf.addDataProperty(h, 1, 42);
                srtf.addBaseProperty(h, 0, GUID_TEXT);  // these records have no base columns
                srtf.addTechKeyProperty(h, 0, 5);       // nor tech keys
            }
            for (int i = 0; i < ids.length; i++) {
                standOn(h, ids[i], 0);
                eq(columns[i], walk(h, "data").size(), "data positions of section " + ids[i]);
                eq(List.of(), walk(h, "base"), "base columns of section " + ids[i]);
                eq(List.of(), walk(h, "tech"), "tech keys of section " + ids[i]);
            }
            standOn(h, 171, 0);  // RepoRoleId, PrivilegeId: integers
            eq(List.of("0", "42"), walk(h, "data").subList(0, 2), "role privilege");
            srtf.addObject(h, 213);  // lookup entries are never made here
            srtf.addDataProperty(h, 0, "x");
            isFalse(srtf.iterateObject(h, 213), "lookup entry made");
        });

        test("addObject for a section without a list, or an id out of range, leaves no added record", () -> {
            String path = workPath("no-record.srtf");
            int h = srtf.init();
            srtf.addObject(h, ENTITIES);
            srtf.addObject(h, 142);  // a general error section: created, no record
            srtf.addDataProperty(h, 0, "lost");
            srtf.addObject(h, ENTITIES);
            srtf.addObject(h, 300);
            srtf.addDataProperty(h, 0, "lost too");
            srtf.addObject(h, ENTITIES);
            srtf.addObject(h, -1);
            srtf.addTechKeyProperty(h, 0, 5);
            isTrue(srtf.isSRTFResourceValid(h), "valid after the bad ids");
            standOn(h, ENTITIES, 0);
            eq("0", walk(h, "data").get(0), "first entity untouched");
            for (int i = 1; i < 3; i++) {
                isTrue(srtf.iterateObject(h, ENTITIES), "entity " + i);
                eq("0", walk(h, "data").get(0), "entity " + i + " untouched");
                eq("0", walk(h, "tech").get(0), "entity " + i + " id");
            }
            srtf.setFileName(h, path);
            srtf.save(h);
            isTrue(readText(path).contains("[GeneralErrorSection]"), "the section was created");
        });

        test("adds without an added record and null String values do no harm", () -> {
            int h = srtf.init();
            srtf.addDataProperty(h, 0, "nothing added");
            srtf.addTechKeyProperty(h, 0, 1);
            srtf.addBaseProperty(h, 0, 1);
            srtf.addObject(h, ENTITIES);
            srtf.addDataProperty(h, 0, "x");
            srtf.iterateObject(h, ENTITIES);
            srtf.addDataProperty(h, 0, (String) null);  // a fresh group: position 0 again
            srtf.addBaseProperty(h, 0, (String) null);
            standOn(h, ENTITIES, 0);
            eq("0", walk(h, "data").get(0), "null stored as the empty text");
        });

        test("a built document is saved and reads back the same", () -> {
            String path = workPath("built.srtf");
            int h = srtf.init();
            srtf.setUserName(h, "builder");
            srtf.addObject(h, ENTITIES);
            srtf.addTechKeyProperty(h, 0, 5);
            srtf.addTechKeyProperty(h, 1, 6);
            srtf.addDataProperty(h, 0, "Invoice");
            srtf.addDataProperty(h, 6, -3);
            srtf.addBaseProperty(h, 0, GUID_TEXT);
            srtf.addBaseProperty(h, 3, 0x7fffffff);
            srtf.addObject(h, LOCAL_OBJECTS);
            srtf.addDataProperty(h, 1, "Entity");
            srtf.addDataProperty(h, 4, 9);
            srtf.setFileName(h, path);
            srtf.save(h);
            isTrue(srtf.isSRTFResourceValid(h), "saved");
            int r = srtf.initFromFile(path);
            srtf.read(r);
            isTrue(srtf.isSRTFResourceValid(r), "read back");
            eq("builder", srtf.getUserName(r), "user name");
            standOn(r, ENTITIES, 0);
            eq(List.of("5", "6", "0"), walk(r, "tech"), "tech keys");
            List<String> data = walk(r, "data");
            eq("\"Invoice\"", data.get(0), "name");
            eq("-3", data.get(6), "DimModelSettings");
            eq(List.of("\"" + GUID_LOWER + "\"", "0", "0", "2147483647", "0", "0", "0"), walk(r, "base"), "base");
            standOn(r, LOCAL_OBJECTS, 0);
            eq(List.of("0", "\"Entity\"", "0", "0", "9"), walk(r, "data"), "local object");
        });

        Check.finish();
    }
}
