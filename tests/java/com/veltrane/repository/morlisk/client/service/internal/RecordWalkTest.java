package com.veltrane.repository.morlisk.client.service.internal;

import static com.veltrane.repository.morlisk.client.service.internal.Check.eq;
import static com.veltrane.repository.morlisk.client.service.internal.Check.fixture;
import static com.veltrane.repository.morlisk.client.service.internal.Check.isFalse;
import static com.veltrane.repository.morlisk.client.service.internal.Check.isTrue;
import static com.veltrane.repository.morlisk.client.service.internal.Check.readText;
import static com.veltrane.repository.morlisk.client.service.internal.Check.test;
import static com.veltrane.repository.morlisk.client.service.internal.Check.workPath;

import java.util.ArrayList;
import java.util.List;

/**
 * Walking records and their properties. The fixture records.srtf holds two
 * entities (10 "Customer", 11 "Order"), two Base and three Latest attributes
 * (ids 1, 2, 3), two local objects and one lookup entry.
 */
public final class RecordWalkTest {
    private static final SRTFNativeInterface srtf = new SRTFNativeInterface();
    private static final int ATTRIBUTES = 7;
    private static final int ENTITIES = 31;
    private static final int LOCAL_OBJECTS = 3;
    private static final int LOOKUP_INFO = 213;

    private static int readRecords() {
        int h = srtf.initFromFile(fixture("java/records.srtf"));
        srtf.read(h);
        return h;
    }

    /** The first tech key of the record the walk stands on. */
    private static int firstKey(int h) {
        srtf.iterateTechKeyProperty(h);
        return srtf.getIntProperty(h);
    }

    /** The walk of a group: each value as "text" or as its number, until -1. */
    private static List<String> walk(int h, String group) {
        List<String> values = new ArrayList<>();
        for (int i = 0; ; i++) {
            int step = group.equals("data") ? srtf.iterateDataProperty(h)
                    : group.equals("base") ? srtf.iterateBaseProperty(h) : srtf.iterateTechKeyProperty(h);
            if (step < 0) {
                return values;
            }
            eq(i, step, group + " step number");
            values.add(srtf.isCurrentPropertyString(h) ? "\"" + srtf.getStrProperty(h) + "\""
                    : Integer.toString(srtf.getIntProperty(h)));
        }
    }

    public static void main(String[] args) {
        test("before any walk step the property getters answer null, 0 and false", () -> {
            int h = readRecords();
            eq(null, srtf.getStrProperty(h), "getStrProperty");
            eq(0, srtf.getIntProperty(h), "getIntProperty");
            isFalse(srtf.isCurrentPropertyString(h), "isCurrentPropertyString");
            eq(-1, srtf.iterateDataProperty(h), "data walk without a record walk");
        });

        test("the walk offers the Latest records only, ends with false and then starts over", () -> {
            int h = readRecords();
            List<Integer> ids = new ArrayList<>();
            while (srtf.iterateObject(h, ATTRIBUTES)) {
                ids.add(firstKey(h));
            }
            eq(List.of(1, 2, 3), ids, "attribute ids walked");
            isTrue(srtf.iterateObject(h, ATTRIBUTES), "the call after false");
            eq(1, firstKey(h), "starts again at the first record");
        });

        test("walking a section the document lacks finds nothing and creates nothing", () -> {
            String path = workPath("nothing-created.srtf");
            int h = srtf.init();
            isFalse(srtf.iterateObject(h, ATTRIBUTES), "attributes of an empty document");
            for (int id : new int[] {0, 133, -1, 228, 300, Integer.MIN_VALUE}) {
                isFalse(srtf.iterateObject(h, id), "section id " + id);
            }
            srtf.setFileName(h, path);
            srtf.save(h);
            isFalse(readText(path).contains("[DDAttributeSection]"), "a section was created");
        });

        test("a section without a list for the Java side is never walked", () -> {
            int h = srtf.initFromFile(fixture("java/server_errors.srtf"));
            srtf.read(h);
            isFalse(srtf.iterateObject(h, 0), "header section");
            isFalse(srtf.iterateObject(h, 142), "general error section");
        });

        test("tech keys, data and base columns of an entity", () -> {
            int h = readRecords();
            isTrue(srtf.iterateObject(h, ENTITIES), "first entity");
            eq(List.of("10", "20", "30"), walk(h, "tech"), "tech keys");
            eq(30, srtf.getIntProperty(h), "the last value stays current after -1");
            eq(List.of("\"Customer\"", "\"CUSTOMER\"", "\"abc\"", "0", "0", "0", "6", "1", "0", "0", "0", "0"),
                    walk(h, "data"), "data properties");
            eq(List.of("\"0123456789abcdef0123456789abcdef\"", "\"fedcba9876543210fedcba9876543210\"",
                    "5", "1", "4", "3", "2"), walk(h, "base"), "base columns");
        });

        test("the property getters on text, integer, empty text and GUID values", () -> {
            int h = readRecords();
            srtf.iterateObject(h, ENTITIES);
            eq(0, srtf.iterateDataProperty(h), "EntityName");
            eq("Customer", srtf.getStrProperty(h), "text");
            eq(0, srtf.getIntProperty(h), "integer of a text");
            isTrue(srtf.isCurrentPropertyString(h), "a text is a string");
            srtf.iterateDataProperty(h);
            srtf.iterateDataProperty(h);
            eq(3, srtf.iterateDataProperty(h), "Note, an empty text");
            eq("", srtf.getStrProperty(h), "empty text");
            isFalse(srtf.isCurrentPropertyString(h), "an empty text is no string");
            srtf.iterateDataProperty(h);
            srtf.iterateDataProperty(h);
            eq(6, srtf.iterateDataProperty(h), "DimModelSettings");
            eq(6, srtf.getIntProperty(h), "integer");
            eq("", srtf.getStrProperty(h), "text of an integer");
            isFalse(srtf.isCurrentPropertyString(h), "an integer is no string");
            eq(0, srtf.iterateBaseProperty(h), "ObjectGUID");
            eq("0123456789abcdef0123456789abcdef", srtf.getStrProperty(h), "GUID text");
            isTrue(srtf.isCurrentPropertyString(h), "a GUID is a string");
            eq(0, srtf.getIntProperty(h), "integer of a GUID");
        });

        test("an attribute has 42 data positions, the last without a column", () -> {
            int h = readRecords();
            srtf.iterateObject(h, ATTRIBUTES);
            List<String> data = walk(h, "data");
            eq(42, data.size(), "data positions");
            eq("\"attr one\"", data.get(0), "AttributeName");
            eq("\"INTEGER\"", data.get(3), "Datatype");
            eq("4", data.get(5), "Length");
            eq(7, walk(h, "tech").size(), "tech keys");
            eq(7, walk(h, "base").size(), "base columns");
        });

        test("each iterateObject starts the property walks afresh", () -> {
            int h = readRecords();
            srtf.iterateObject(h, ATTRIBUTES);
            srtf.iterateDataProperty(h);
            srtf.iterateDataProperty(h);
            srtf.iterateObject(h, ATTRIBUTES);
            eq(0, srtf.iterateDataProperty(h), "first data step on the next record");
            eq("attr two", srtf.getStrProperty(h), "its AttributeName");
        });

        test("another section id in the middle of a walk starts at the first record of that list", () -> {
            int h = readRecords();
            srtf.iterateObject(h, ATTRIBUTES);
            srtf.iterateObject(h, ATTRIBUTES);
            eq(2, firstKey(h), "second attribute");
            isTrue(srtf.iterateObject(h, ENTITIES), "switch to entities");
            eq(10, firstKey(h), "first entity, not the second");
            isTrue(srtf.iterateObject(h, ENTITIES), "next entity");
            eq(11, firstKey(h), "second entity");
            isTrue(srtf.iterateObject(h, ATTRIBUTES), "back to attributes");
            eq(1, firstKey(h), "first attribute again");
            isFalse(srtf.iterateObject(h, 142), "a section without a list ends the walk");
            isTrue(srtf.iterateObject(h, ATTRIBUTES), "attributes after that");
            eq(1, firstKey(h), "first attribute");
        });

        test("records appended during a walk are met by it", () -> {
            int h = readRecords();
            srtf.iterateObject(h, ENTITIES);
            srtf.addObject(h, ENTITIES);
            srtf.addTechKeyProperty(h, 0, 77);
            isTrue(srtf.iterateObject(h, ENTITIES), "second entity");
            eq(11, firstKey(h), "the walk went on where it stood");
            isTrue(srtf.iterateObject(h, ENTITIES), "the appended entity");
            eq(77, firstKey(h), "its id");
            isFalse(srtf.iterateObject(h, ENTITIES), "end");
        });

        test("local objects and lookup entries: data walks, no tech keys, no base columns", () -> {
            int h = readRecords();
            isTrue(srtf.iterateObject(h, LOCAL_OBJECTS), "first local object");
            eq(List.of("0", "\"Entity\"", "3", "\"0123456789abcdef0123456789abcdef\"", "12"), walk(h, "data"),
                    "local object data");
            eq(List.of(), walk(h, "tech"), "tech keys");
            eq(List.of(), walk(h, "base"), "base columns");
            isTrue(srtf.iterateObject(h, LOCAL_OBJECTS), "second local object");
            isFalse(srtf.iterateObject(h, LOCAL_OBJECTS), "two local objects");
            isTrue(srtf.iterateObject(h, LOOKUP_INFO), "lookup entry");
            eq(List.of("0", "0", "\"00000000000000000000000000000001\"", "\"Entity\"", "4", "\"lookup text\""),
                    walk(h, "data"), "lookup data");
            isFalse(srtf.iterateObject(h, LOOKUP_INFO), "one lookup entry");
        });

        test("after releaseResources the walks end and the current value still answers", () -> {
            int h = readRecords();
            srtf.addObject(h, ENTITIES);
            srtf.iterateErrors(h);
            srtf.iterateObject(h, ENTITIES);
            srtf.iterateDataProperty(h);
            srtf.releaseResources(h);
            eq("Customer", srtf.getStrProperty(h), "getStrProperty after release");
            isTrue(srtf.isCurrentPropertyString(h), "isCurrentPropertyString after release");
            isFalse(srtf.iterateObject(h, ENTITIES), "record walk after release");
            eq(-1, srtf.iterateDataProperty(h), "data walk after release");
            srtf.addDataProperty(h, 0, "into freed memory?");
            isFalse(srtf.iterateErrors(h), "error walk after release");
            int other = readRecords();
            isTrue(srtf.iterateObject(other, ENTITIES), "a new handle walks on its own");
            eq(10, firstKey(other), "from the first record");
        });

        Check.finish();
    }
}
