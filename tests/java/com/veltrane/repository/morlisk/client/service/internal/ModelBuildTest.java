package com.veltrane.repository.morlisk.client.service.internal;

import static com.veltrane.repository.morlisk.client.service.internal.Check.eq;
import static com.veltrane.repository.morlisk.client.service.internal.Check.fixture;
import static com.veltrane.repository.morlisk.client.service.internal.Check.isTrue;
import static com.veltrane.repository.morlisk.client.service.internal.Check.readText;
import static com.veltrane.repository.morlisk.client.service.internal.Check.test;
import static com.veltrane.repository.morlisk.client.service.internal.Check.workPath;
import static com.veltrane.repository.morlisk.client.service.internal.ModelWalkTest.open;
import static com.veltrane.repository.morlisk.client.service.internal.ModelWalkTest.vals;
import static com.veltrane.repository.morlisk.client.service.internal.ModelWalkTest.walkSection;

import java.util.ArrayList;
import java.util.List;

/**
 * Building data-model records from the Java side: addObject, then the tech
 * keys, data properties and base columns by position, then save. The saved
 * record line shows where every value landed, in the column order of the
 * kind; fillers (integer 0) leave texts empty and GUIDs zero.
 */
public final class ModelBuildTest {
    private static final SRTFNativeInterface srtf = ModelWalkTest.srtf;
    private static final String GUID_TEXT = "0123456789ABCDEF0123456789ABCDEF";
    private static final String GUID_LOWER = "0123456789abcdef0123456789abcdef";
    /** The seven base columns of a record whose base was never given. */
    private static final String BASE0 = "\"\",\"\",0x00000000,0x00000000,0,0,0";

    interface Builder {
        void build(int h);
    }

    /** Tech keys at positions 0, 1, 2, ... */
    private static void tech(int h, int... values) {
        for (int i = 0; i < values.length; i++) {
            srtf.addTechKeyProperty(h, i, values[i]);
        }
    }

    /** Data properties at positions 0, 1, 2, ...: an Integer as an int, a String as a text; null skips. */
    private static void data(int h, Object... values) {
        for (int i = 0; i < values.length; i++) {
            if (values[i] instanceof Integer) {
                srtf.addDataProperty(h, i, (Integer) values[i]);
            } else if (values[i] != null) {
                srtf.addDataProperty(h, i, (String) values[i]);
            }
        }
    }

    private static List<String> lines(String text) {
        List<String> out = new ArrayList<>();
        for (String l : text.split("\r?\n", -1)) {
            out.add(l);
        }
        return out;
    }

    /** The record lines of the section whose bracket line names `name`. */
    private static List<String> sectionLines(String text, String name) {
        List<String> all = lines(text);
        List<String> out = new ArrayList<>();
        int at = all.indexOf("[" + name + "]");
        if (at < 0) {
            out.add("<no section " + name + ">");
            return out;
        }
        for (int i = at + 1; i < all.size(); i++) {
            String l = all.get(i);
            if (l.isEmpty() || l.startsWith("#") || l.startsWith("[")) {
                break;
            }
            out.add(l);
        }
        return out;
    }

    /** The comment line written ahead of the section's bracket line. */
    private static String commentLine(String text, String name) {
        List<String> all = lines(text);
        for (int i = all.indexOf("[" + name + "]") - 1; i >= 0; i--) {
            if (!all.get(i).isEmpty()) {
                return all.get(i);
            }
        }
        return "<none>";
    }

    private static int count(String text, String part) {
        int n = 0;
        for (int i = text.indexOf(part); i >= 0; i = text.indexOf(part, i + 1)) {
            n++;
        }
        return n;
    }

    /** Saves the document to a fresh file of the work folder; returns that file's path. */
    private static String save(int h, String name) {
        String path = workPath(name);
        srtf.setFileName(h, path);
        srtf.save(h);
        isTrue(srtf.isSRTFResourceValid(h), "saved " + name);
        return path;
    }

    private static final class Build {
        final String name;
        final int sectionId;
        final String header;
        final Builder builder;
        final String line;

        Build(String name, int sectionId, String header, Builder builder, String line) {
            this.name = name;
            this.sectionId = sectionId;
            this.header = header;
            this.builder = builder;
            this.line = line;
        }
    }

    private static final Build[] BUILDS = {
        new Build("entity", 31, "DDEntitySection", h -> {
            tech(h, 1, 2, 3);
            data(h, "E", "T", null, "N", null, null, 6, -1);
            srtf.addBaseProperty(h, 0, GUID_TEXT);
            srtf.addBaseProperty(h, 2, -1);
            srtf.addBaseProperty(h, 6, 7);
        }, "Entity_Latest = 1,2,3,\"E\",\"T\",\"\",\"N\",\"\",\"\",6,-1,0,0,0,\"\",\"" + GUID_LOWER
                + "\",\"\",0xFFFFFFFF,0x00000000,0,0,7;"),
        new Build("key", 41, "DDKeySection", h -> {
            tech(h, 4, 5, 6);
            srtf.addDataProperty(h, 0, "K");
            srtf.addDataProperty(h, 4, 77);
            srtf.addDataProperty(h, 12, 9);
        }, "Key_Latest = 4,5,6,\"K\",\"\",\"\",\"\",77,\"\",\"\",\"\",\"\",\"\",0,0,9," + BASE0 + ";"),
        new Build("relationship", 57, "DDRelationshipSection", h -> {
            tech(h, 1, 2, 3, 4, 5, 6);
            srtf.addDataProperty(h, 8, 3);
            srtf.addDataProperty(h, 19, GUID_TEXT);
            srtf.addDataProperty(h, 23, 5);
        }, "Rel_Latest = 1,2,3,4,5,\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",3,\"\",0,\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
                + "6,\"" + GUID_LOWER + "\",\"\",0,0,5," + BASE0 + ";"),
        new Build("view", 18, "DDDbViewSection", h -> {
            tech(h, 1, 2, 3);
            data(h, 1, "V");
        }, "DbView_Latest = 1,2,3,1,\"V\",\"\",\"\",\"\",0,0,\"\"," + BASE0 + ";"),
        new Build("database role", 14, "DDDatabaseRoleSection", h -> {
            tech(h, 1, 2);
            data(h, "r", 3, "pw", 4, "d", 5, 6);
        }, "DatabaseRole_Latest = 1,2,\"r\",3,\"pw\",4,\"d\",5,6," + BASE0 + ";"),
        new Build("denormalisation member", 205, "DDDenormMemberSection", h -> {
            tech(h, 1, 2, 3);
            data(h, 4, 5, 6);
        }, "DenormMember_Latest = 1,2,3,4,5,6," + BASE0 + ";"),
        new Build("subtype: no data property", 72, "DDSubtypeSection", h -> {
            data(h, 99);
            tech(h, 11, 12, 13, 14, 15, 16);
        }, "Subtype_Latest = 11,12,13,14,15,16," + BASE0 + ";"),
        new Build("submodel link: own id third key, fourth column", 70, "DDSubmodelLinkSection", h -> {
            tech(h, 1, 2, 5, 6, 7);
            data(h, 3, 4);
        }, "Submodel_Link_Latest = 1,2,3,5,6,7,4," + BASE0 + ";"),
        new Build("check constraint", 9, "DDCheckConstraintSection", h -> {
            tech(h, 1, 2, 3, 4);
            data(h, "c", "t", 5);
        }, "Check_Constraint_Latest = 1,2,3,4,\"c\",\"t\",5," + BASE0 + ";"),
        new Build("property usage: one tech key in column 4", 53, "DDPropertyUsageSection", h -> {
            tech(h, 12, 99);
            data(h, 7, "lbl", 3, 1, 20, 21, 22);
        }, "Property_Usage_Latest = 7,\"lbl\",3,1,12,20,21,22," + BASE0 + ";"),
        new Build("object permission: keys and data interleave", 48, "DDObjectPermissionSection", h -> {
            tech(h, 1, 2, 3, 4, 5, 6, 7);
            data(h, "on", "oo", "gn", "at", "pt", 8);
        }, "Object_Permissions_Latest = 1,2,3,4,5,\"on\",\"oo\",6,7,\"gn\",\"at\",\"pt\",8," + BASE0 + ";"),
        new Build("user object match: BMetaTableId after Flags", 81, "DDUserObjectMatchSection", h -> {
            tech(h, 1, 2, 3, 4, 5, 6, 7);
            data(h, 8, "d", "n");
        }, "UserObjectMatch_Latest = 1,2,3,4,5,6,8,7,\"d\",\"n\"," + BASE0 + ";"),
        new Build("view CTE: parent key first", 224, "DDViewCteSection", h -> {
            tech(h, 18, 30);
            data(h, "n", "s", 4);
        }, "ViewCte_Latest = 30,18,\"n\",\"s\",4," + BASE0 + ";"),
        new Build("view CTE column: parent key first", 225, "DDViewCteColumnSection", h -> {
            tech(h, 30, 31);
            data(h, "n", 5);
        }, "ViewCteColumn_Latest = 31,30,\"n\",5," + BASE0 + ";"),
        new Build("where-used: GUID data, skipped GUID written empty", 220, "DDWhereUsedPDSection", h -> {
            tech(h, 7, 8, 9);
            data(h, GUID_TEXT, null, 3);
        }, "WhereUsedPD_Latest = 7,8,\"" + GUID_LOWER + "\",9,\"\",3," + BASE0 + ";"),
        new Build("view column: no data property", 84, "DDViewColumnSection", h -> {
            data(h, 5);
            tech(h, 1, 2, 3, 4, 5);
        }, "View_Column_Latest = 1,2,3,4,5," + BASE0 + ";"),
        new Build("lineage stream member: no data property", 194, "DDLineageStreamMemberSection", h -> {
            tech(h, 1, 2, 3, 4);
            data(h, 9);
        }, "LineageStreamMember_Latest = 1,2,3,4," + BASE0 + ";"),
        new Build("procedure: hex Flags", 52, "DDProcSection", h -> {
            tech(h, 1, 2);
            data(h, 3, 0x1FB, "p");
        }, "Proc_Latest = 1,2,3,0x000001FB,\"p\",\"\",\"\",\"\",0,0," + BASE0 + ";"),
        new Build("trigger: hex Flags", 17, "DDDbTriggerSection", h -> {
            tech(h, 1, 2);
            data(h, "o", 3, "n", null, -1, 4);
        }, "DbTrigger_Latest = 1,2,\"o\",3,\"n\",\"\",0xFFFFFFFF,4,\"\",0," + BASE0 + ";"),
        new Build("templated procedure: hex Flags, own id second", 77, "DDTemplatedProcSection", h -> {
            tech(h, 5, 6);
            data(h, "n", null, 16);
        }, "Templated_Proc_Latest = 5,6,\"n\",\"\",0x00000010,\"\",0," + BASE0 + ";"),
        new Build("package: decimal Flags", 16, "DDDbPackageSection", h -> {
            tech(h, 1, 2);
            data(h, "o", "n", "d", 507);
        }, "DbPackage_Latest = 1,2,\"o\",\"n\",\"d\",507,\"\",\"\",0,0," + BASE0 + ";"),
        new Build("transform member", 78, "DDTransformMemberSection", h -> {
            tech(h, 1, 2, 3, 4, 5);
            data(h, 6);
        }, "TransformMemberLatest = 1,2,3,4,5,6," + BASE0 + ";"),
        new Build("object transform", 49, "DDObjectTransformSection", h -> {
            tech(h, 1, 2);
            data(h, 3, "n");
        }, "ObjectTransformLatest = 1,2,3,\"n\",\"\",0," + BASE0 + ";"),
    };

    /**
     * The attribute's 41 data columns (own columns 7 to 47) as written when
     * only fillers reached them: an empty text or 0, by column type.
     */
    private static String[] attributeData() {
        String types = "ssssiiisiiissiiissiissiiiiissiiiiiisssiis";
        String[] out = new String[types.length()];
        for (int i = 0; i < out.length; i++) {
            out[i] = types.charAt(i) == 's' ? "\"\"" : "0";
        }
        return out;
    }

    public static void main(String[] args) {
        for (Build b : BUILDS) {
            test(b.name + " (section " + b.sectionId + "): built, saved, read back", () -> {
                int h = srtf.init();
                srtf.addObject(h, b.sectionId);
                b.builder.build(h);
                String path = save(h, "build-" + b.sectionId + ".srtf");
                String text = readText(path);
                eq(List.of(b.line), sectionLines(text, b.header), "saved lines");
                isTrue(text.contains("Object_Count = 1;"), "one record counted");
                eq(1, walkSection(open(path), b.sectionId).size(), "records read back");
            });
        }

        test("inter-model relationships: one list, one record type, counted and written once", () -> {
            int h = srtf.init();
            srtf.addObject(h, 40);
            tech(h, 5, 6);
            srtf.addDataProperty(h, 0, 9);  // no data column: stores nothing
            srtf.addBaseProperty(h, 0, GUID_TEXT);
            srtf.addObject(h, 40);
            tech(h, 7);
            String path = save(h, "intermodel.srtf");
            String text = readText(path);
            eq(List.of("InterModelRel = 5,6,\"" + GUID_LOWER + "\",\"\",0x00000000,0x00000000,0,0,0;",
                    "InterModelRel = 7,0," + BASE0 + ";"),
                    sectionLines(text, "DDInterModelRelationshipSection"), "saved lines");
            eq("# InterModelRelId, DiagramId, ObjectGUID, VersionGUID, ACL, ObjectStatus, VersionId, "
                    + "ParentVersionId, VersionNumber;", commentLine(text, "DDInterModelRelationshipSection"),
                    "comment line");
            eq(1, count(text, "[DDInterModelRelationshipSection]"), "section written once");
            isTrue(text.contains("Object_Count = 2;"), "two records counted, not four");
            List<ModelWalkTest.Walked> back = walkSection(open(path), 40);
            eq(2, back.size(), "records read back");
            if (back.size() == 2) {
                eq(vals(5, 6), back.get(0).tech, "first record");
                eq(vals(), back.get(0).data, "no data property");
                eq(vals(7, 0), back.get(1).tech, "second record");
            }
        });

        test("inter-model relationships read from a file and added to are walked and written in one list", () -> {
            int h = open(fixture("model/m2_relationship_reordered.srtf"));
            srtf.addObject(h, 40);
            tech(h, 8, 9);
            srtf.addObject(h, 40);
            tech(h, 10);
            List<ModelWalkTest.Walked> walked = walkSection(h, 40);
            eq(3, walked.size(), "records walked");
            if (walked.size() == 3) {
                eq(vals(101, 102), walked.get(0).tech, "the record read");
                eq(vals(8, 9), walked.get(1).tech, "the first added");
                eq(vals(10, 0), walked.get(2).tech, "the second added");
            }
            String text = readText(save(h, "intermodel-added.srtf"));
            eq(List.of("InterModelRel = 101,102,\"0123456789abcdef00112233aabb0067\","
                    + "\"0123456789abcdef00112233aabb0068\",0x00ABC069,0x00ABC06A,107,108,109;",
                    "InterModelRel = 8,9," + BASE0 + ";", "InterModelRel = 10,0," + BASE0 + ";"),
                    sectionLines(text, "DDInterModelRelationshipSection"), "saved lines");
            // 3 inter-model relationships + 2 relationships + 2 members + 2 containment links
            isTrue(text.contains("Object_Count = 9;"), "records counted");
        });

        test("roles and denormalisation members: an added record joins the Latest list, written first", () -> {
            String[][] cases = {
                {"m2_security", "14", "DDDatabaseRoleSection", "DatabaseRole_Latest = 101,", "DatabaseRole_Base = 117,",
                    "DatabaseRole_Latest = 1,2,\"\",0,\"\",0,\"\",0,0," + BASE0 + ";"},
                {"m2_security_reordered", "14", "DDDatabaseRoleSection", "DatabaseRole_Latest = 101,",
                    "DatabaseRole_Base = 117,", "DatabaseRole_Latest = 1,2,\"\",0,\"\",0,\"\",0,0," + BASE0 + ";"},
                {"m4_denorm", "205", "DDDenormMemberSection", "DenormMember_Latest = 155,", "DenormMember_Base = 168,",
                    "DenormMember_Latest = 1,2,0,0,0,0," + BASE0 + ";"},
                {"m4_denorm_swapped", "205", "DDDenormMemberSection", "DenormMember_Latest = 155,",
                    "DenormMember_Base = 168,", "DenormMember_Latest = 1,2,0,0,0,0," + BASE0 + ";"},
            };
            for (String[] c : cases) {
                int id = Integer.parseInt(c[1]);
                int h = open(fixture("model/" + c[0] + ".srtf"));
                srtf.addObject(h, id);
                tech(h, 1, 2);
                List<ModelWalkTest.Walked> walked = walkSection(h, id);
                eq(2, walked.size(), c[0] + ": records walked");
                if (walked.size() == 2) {
                    isTrue(c[3].endsWith(" " + walked.get(0).tech.get(0) + ","),
                            c[0] + ": the Latest record read first, not " + walked.get(0).tech.get(0));
                    eq("1", walked.get(1).tech.get(0), c[0] + ": the added record");
                }
                List<String> saved = sectionLines(readText(save(h, c[0] + "-added.srtf")), c[2]);
                eq(3, saved.size(), c[0] + ": lines");
                if (saved.size() == 3) {
                    isTrue(saved.get(0).startsWith(c[3]), c[0] + ": first line " + saved.get(0));
                    eq(c[5], saved.get(1), c[0] + ": second line");
                    isTrue(saved.get(2).startsWith(c[4]), c[0] + ": last line " + saved.get(2));
                }
            }
        });

        test("transform members keep their two irregular record types when a record is added", () -> {
            int h = open(fixture("model/m2_transform_reordered.srtf"));
            srtf.addObject(h, 78);
            tech(h, 1);
            List<String> saved = sectionLines(readText(save(h, "transform-added.srtf")), "DDTransformMemberSection");
            eq(3, saved.size(), "lines");
            if (saved.size() == 3) {
                isTrue(saved.get(0).startsWith("TransfromMember_Base = 127,"), "Base line: " + saved.get(0));
                isTrue(saved.get(1).startsWith("TransformMemberLatest = 140,"), "Latest line: " + saved.get(1));
                eq("TransformMemberLatest = 1,0,0,0,0,0," + BASE0 + ";", saved.get(2), "added line");
            }
        });

        test("attribute data position 41 stores nothing; an add there first fills 0 to 40", () -> {
            int h = srtf.init();
            srtf.addObject(h, 7);
            srtf.addTechKeyProperty(h, 0, 1);
            srtf.addDataProperty(h, 41, "lost");
            srtf.addDataProperty(h, 42, 5);      // past the last position
            srtf.addObject(h, 7);
            srtf.addTechKeyProperty(h, 0, 2);
            srtf.addDataProperty(h, 0, "name");
            srtf.addDataProperty(h, 29, 12);     // UnifiedToId
            srtf.addDataProperty(h, 40, "col");  // ColumnName_PD
            srtf.addDataProperty(h, 41, 77);
            String path = save(h, "attributes.srtf");
            String[] second = attributeData();
            second[0] = "\"name\"";
            second[29] = "12";
            second[40] = "\"col\"";
            eq(List.of("Attr_Latest = 1,0,0,0,0,0,0," + String.join(",", attributeData()) + "," + BASE0 + ";",
                    "Attr_Latest = 2,0,0,0,0,0,0," + String.join(",", second) + "," + BASE0 + ";"),
                    sectionLines(readText(path), "DDAttributeSection"), "saved lines");
            List<ModelWalkTest.Walked> back = walkSection(open(path), 7);
            eq(2, back.size(), "records read back");
            if (back.size() == 2) {
                List<String> data = back.get(1).data;
                eq(42, data.size(), "data positions");
                eq("\"name\"", data.get(0), "AttributeName");
                eq("12", data.get(29), "UnifiedToId");
                eq("\"col\"", data.get(40), "ColumnName_PD");
                eq("0", data.get(41), "position 41");
            }
        });

        test("where-used records share GetId 0 and are all walked and written", () -> {
            int h = srtf.init();
            for (int id : new int[] {7, 17, 27}) {
                srtf.addObject(h, 220);
                tech(h, id);
            }
            String path = save(h, "whereused.srtf");
            eq(3, sectionLines(readText(path), "DDWhereUsedPDSection").size(), "lines");
            List<ModelWalkTest.Walked> back = walkSection(open(path), 220);
            List<String> ids = new ArrayList<>();
            for (ModelWalkTest.Walked w : back) {
                ids.add(w.tech.get(0));
            }
            eq(vals(7, 17, 27), ids, "WhereUsedId of the records read back");
        });

        Check.finish();
    }
}
