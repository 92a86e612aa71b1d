package com.veltrane.repository.morlisk.client.service.internal;

import static com.veltrane.repository.morlisk.client.service.internal.Check.eq;
import static com.veltrane.repository.morlisk.client.service.internal.Check.fixture;
import static com.veltrane.repository.morlisk.client.service.internal.Check.isFalse;
import static com.veltrane.repository.morlisk.client.service.internal.Check.isTrue;
import static com.veltrane.repository.morlisk.client.service.internal.Check.test;

import java.util.ArrayList;
import java.util.List;

/**
 * Walking the data-model sections read from the files of fixtures/model. Each
 * of those files holds one Base and one Latest record of every kind of its
 * topic, every column with a value of its own; the second file of a topic has
 * the lines in another order (Latest first, Base first, other letter case or
 * record types that match no entry). The walk must offer exactly the Latest
 * record and give its tech keys, data properties and base columns in the
 * order of each kind's own column table.
 */
public final class ModelWalkTest {
    static final SRTFNativeInterface srtf = new SRTFNativeInterface();

    /** One record as the Java side sees it: the three groups, values formatted by {@link #walk}. */
    static final class Walked {
        final List<String> tech;
        final List<String> data;
        final List<String> base;

        Walked(List<String> tech, List<String> data, List<String> base) {
            this.tech = tech;
            this.data = data;
            this.base = base;
        }
    }

    /** Expected values: a String as a quoted text (or GUID text), a number as itself. */
    static List<String> vals(Object... values) {
        List<String> out = new ArrayList<>();
        for (Object v : values) {
            out.add(v instanceof String ? "\"" + v + "\"" : v.toString());
        }
        return out;
    }

    /**
     * The seven base columns as the walk gives them, from the last seven
     * fields of a record line: GUIDs quoted (or 0 when empty), hex and
     * decimal numbers as signed ints.
     */
    static List<String> baseOf(String fields) {
        List<String> out = new ArrayList<>();
        for (String f : fields.split(",")) {
            if (f.equals("\"\"")) {
                out.add("0");
            } else if (f.startsWith("\"")) {
                out.add(f);
            } else if (f.startsWith("0x")) {
                out.add(Integer.toString((int) Long.parseLong(f.substring(2), 16)));
            } else {
                out.add(f);
            }
        }
        return out;
    }

    /**
     * Walks a group of the record the walk stands on: each step's number must
     * be the next position; texts and GUIDs are quoted, everything else is
     * given by its integer.
     */
    static List<String> walk(int h, String group) {
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

    /** Every record that the walk of the section offers, until it answers false. */
    static List<Walked> walkSection(int h, int sectionId) {
        List<Walked> records = new ArrayList<>();
        while (srtf.iterateObject(h, sectionId)) {
            records.add(new Walked(walk(h, "tech"), walk(h, "data"), walk(h, "base")));
            if (records.size() > 100) {
                break;  // a walk that never ends
            }
        }
        return records;
    }

    static int open(String path) {
        int h = srtf.initFromFile(path);
        srtf.read(h);
        isTrue(srtf.isSRTFResourceValid(h), "read " + path);
        return h;
    }

    private static final class Kind {
        final String name;
        final int sectionId;
        final String[] files;
        final List<String> tech;
        final List<String> data;
        final List<String> base;

        Kind(String name, int sectionId, String topic, List<String> tech, List<String> data, String base) {
            this.name = name;
            this.sectionId = sectionId;
            this.files = topic.split(" ");
            this.tech = tech;
            this.data = data;
            this.base = baseOf(base);
        }
    }

    private static final String ENTITY = "entity_attribute entity_attribute_latest_first";
    private static final String KEYS = "key_constraint key_constraint_latest_first";
    private static final String RELS = "m2_relationship m2_relationship_reordered";
    private static final String SECURITY = "m2_security m2_security_reordered";
    private static final String SUBTYPES = "m2_subtype m2_subtype_reordered";
    private static final String SUBMODELS = "submodel submodel_latest_first";
    private static final String METADATA = "metadata_usage metadata_usage_latest_first";
    private static final String VIEWS = "m3_views m3_views_reordered";
    private static final String VIEWPARTS = "m3_viewparts m3_viewparts_reordered";
    private static final String REFERENCED = "m4_referenced m4_referenced_swapped";
    private static final String LINEAGE = "m2_lineage m2_lineage_reordered";
    private static final String PROCS = "m3_procedures m3_procedures_reordered";
    private static final String TRANSFORMS = "m2_transform m2_transform_reordered";
    private static final String DENORM = "m4_denorm m4_denorm_swapped";

    private static final Kind[] KINDS = {
        new Kind("entity", 31, ENTITY, vals(40730, 40743, 40756),
                vals("say \"hi\" 3136", "tablename 3137", "definition 3138", "note 3139", "owner 3140",
                        "entitytype 3141", 40847, 40860, 40873, 40886, 40899, "ddl_pd 3147"),
                "\"f89750ed5a74958f2f07efd3bb62d0af\",\"35e9a9017c51f82a90cc2912a694de58\",0x5A5A6459,0xDB5B655A,"
                        + "40977,40990,-41002"),
        // The last data position stands on no column: it reads as the int 0 the walk starts each step with.
        new Kind("attribute", 7, ENTITY, vals(39729, 39742, 39755, 39768, 39781, 39794, 39807),
                vals("say \"hi\" 3063", "columnname 3064", "rolename 3065", "datatype 3066", 39872, 39885, 39898,
                        "identitycolumn 3070", 39924, 39937, 39950, "checkconstraint 3074", "defaulttext 3075",
                        39989, 40002, 40015, "definition 3079", "logicalrolename 3080", 40054, 40067, "notes 3083",
                        "defaultname 3084", 40106, 40119, 40132, 40145, 40158, "identityseedstr 3090",
                        "identityincrementstr 3091", 40197, 40210, 40223, 40236, 40249, 40262,
                        "checkconstraint_pd 3098", "datatype_pd 3099", "compositedatatype_pd 3100", 40314, 40327,
                        "columnname_pd 3103", 0),
                "\"9b87b3ed02f46067aff9ad7d0c247efc\",\"93508db7337dfe287d173e2c49809d34\",0x2E2E382D,0xAF2F392E,"
                        + "40405,40418,-40430"),
        new Kind("key", 41, KEYS, vals(52677, 52690, 52703),
                vals("say \"hi\" 4055", "isuniqueoption 4056", "indextype 4057", "keytype 4058", 52768,
                        "hashsizetype 4060", "ignoreduplicatekeyoption 4061", "duplicaterowoption 4062",
                        "nosortingoption 4063", "sortordering 4064", 52846, 52859, 52872),
                "\"2edce15511d6093df673210e3d7e19b5\",\"4fc8f245fec7460dd85eea430b3838d5\",0xF5F5FFF1,0xF6F700F2,"
                        + "52937,52950,-52962"),
        // Own id in the third column, the two references first.
        new Kind("check constraint", 9, KEYS, vals(52196, 52209, 52222, 52235),
                vals("say \"hi\" 4019", "checktext 4020", 52274),
                "\"34a38683aa0d211c066157d8b3d0bf1c\",\"1898cfba69125c70de884d33cb554890\",0xC7C7D1C3,0xC8C8D2C4,"
                        + "52339,52352,-52364"),
        // AssociativeEntityId (column 24) is the sixth tech key; three keys refer to entities.
        new Kind("relationship", 57, RELS, vals(147, 148, 149, 150, 151, 171),
                vals("Name 152, with comma", "say \"RelationshipType\" 153", "Definition 154", "Note 155",
                        "InversePhrase 156", "VerbPhrase 157", "ParentConstraintType 158", "ParentCardinality 159",
                        160, "ChildCardinality 161", 162, "ParentOptionality 163", "ChildOptionality 164",
                        "ParentInsert 165", "ParentUpdate 166", "ParentDelete 167", "ChildInsert 168",
                        "ChildUpdate 169", "ChildDelete 170", "0123456789abcdef00112233aabb00ac", "LogicalName 173",
                        174, 175, 176),
                "\"0123456789abcdef00112233aabb00b1\",\"0123456789abcdef00112233aabb00b2\",0x00ABC0B3,0x00ABC0B4,"
                        + "181,182,183"),
        // One list that serves as Base and Latest.
        new Kind("inter-model relationship", 40, RELS, vals(101, 102), vals(),
                "\"0123456789abcdef00112233aabb0067\",\"0123456789abcdef00112233aabb0068\",0x00ABC069,0x00ABC06A,"
                        + "107,108,109"),
        // Latest list kept first.
        new Kind("database role", 14, SECURITY, vals(101, 102),
                vals("Name 103, with comma", 104, "say \"Password\" 105", 106, "Description 107", 108, 109),
                "\"0123456789abcdef00112233aabb006e\",\"0123456789abcdef00112233aabb006f\",0x00ABC070,0x00ABC071,"
                        + "114,115,116"),
        // Key and data columns interleave on the line.
        new Kind("object permission", 48, SECURITY, vals(185, 186, 187, 188, 189, 192, 193),
                vals("ObjectName 190, with comma", "say \"ObjectOwner\" 191", "GranteeName 194", "ActionType 195",
                        "PermissionType 196", 197),
                "\"0123456789abcdef00112233aabb00c6\",\"0123456789abcdef00112233aabb00c7\",0x00ABC0C8,0x00ABC0C9,"
                        + "202,203,204"),
        // Three references to section 44, no data property.
        new Kind("user role member", 82, SECURITY, vals(216, 217, 218, 219), vals(),
                "\"0123456789abcdef00112233aabb00dc\",\"0123456789abcdef00112233aabb00dd\",0x00ABC0DE,0x00ABC0DF,"
                        + "224,225,226"),
        new Kind("denormalisation member", 205, DENORM, vals(155, 156, 157), vals(158, 159, 160),
                "\"6774818e9ba8b5c2cfdce9f603101d2a\",\"6e7b8895a2afbcc9d6e3f0fd0a172431\",0x00143A30,0x00144A40,"
                        + "165,166,167"),
        new Kind("subtype", 72, SUBTYPES, vals(114, 115, 116, 117, 118, 119), vals(),
                "\"0123456789abcdef00112233aabb0078\",\"0123456789abcdef00112233aabb0079\",0x00ABC07A,0x00ABC07B,"
                        + "124,125,126"),
        new Kind("supertype", 73, SUBTYPES, vals(142, 143, 147),
                vals("Supertype 144, with comma", "say \"Type\" 145", 146, "0123456789abcdef00112233aabb0094", 149),
                "\"0123456789abcdef00112233aabb0096\",\"0123456789abcdef00112233aabb0097\",0x00ABC098,0x00ABC099,"
                        + "154,155,156"),
        // Own id in the fourth column; NodeLevel sits between the keys.
        new Kind("submodel link", 70, SUBMODELS, vals(13560, 13573, 13599, 13612, 13625), vals(13586, 13638),
                "\"0395ba02a0b3abda81a09343c201df4b\",\"e6198a4d1a6766e26b3f7a18e8230d83\",0x20202A27,0xA1212B28,"
                        + "13703,13716,-13728"),
        // Own id in the fifth column and the only tech key; column 0 is data.
        new Kind("property usage", 53, METADATA, vals(26599),
                vals(26547, "say \"hi\" 2043", 26573, 26586, 26612, 26625, 26638),
                "\"1cdba2347e449ec94248ec7efa60fa91\",\"3c8da190c96058ce27890324c9650985\",0x0C0C160F,0x8D0D1710,"
                        + "26703,26716,-26728"),
        // BMetaTableId stands after the data column Flags.
        new Kind("user object match", 81, METADATA,
                vals(27301, 27314, 27327, 27340, 27353, 27366, 27392), vals(27379, "say \"hi\" 2108", "note 2109"),
                "\"f9cd9fac386c654c6b5ea68929f2ebe7\",\"ce9fbcdfd67e3e2bc02e8acfb1ec4565\",0x4848524B,0xC949534C,"
                        + "27483,27496,-27508"),
        new Kind("view", 18, VIEWS, vals(119, 120, 121),
                vals(122, "text 123, with comma", "say \"hi\" 124", "text 125", "text 126", 127, 128, "text 129"),
                "\"9b8619251a19057cff70779273e95aa6\",\"1afa34a7f984eeabdbb0a7d494132ee5\",0x80000084,0x00000085,"
                        + "134,135,-136"),
        // Two references to views (DbViewId and ParentViewId).
        new Kind("view table", 89, VIEWS, vals(222, 223, 224, 225, 226),
                vals("text 227, with comma", "say \"hi\" 228", 229),
                "\"6da9003b743b65f4c0ccd295cc484e57\",\"9b04d152845ec0a378394003c96da594\",0x800000E8,0x000000E9,"
                        + "234,235,-236"),
        new Kind("view column", 84, VIEWS, vals(169, 170, 171, 172, 173), vals(),
                "\"bf8229696f7a3bb4700cfddef19fa23f\",\"82161242827b703e6acf9c726942a1e4\",0x800000B0,0x000000B1,"
                        + "178,179,-180"),
        new Kind("field column", 33, VIEWS, vals(147, 148, 149), vals(),
                "\"7ef605fc8dba5425d6965fbd4c8fbe1f\",\"a8f15eda80c50adb0e71943adc8015cf\",0x80000098,0x00000099,"
                        + "154,155,-156"),
        new Kind("view component", 85, VIEWPARTS, vals(271, 272), vals("text 273, with comma", 274, 275),
                "\"db8e1af0cb3aca1ae2d0018624204529\",\"20f07591c6fcb220ffe637cda29bb3f6\",0x80000116,0x00000117,"
                        + "280,281,-282"),
        // The parent id is tech key 0 although it stands in column 1.
        new Kind("view CTE", 224, VIEWPARTS, vals(296, 295), vals("text 297, with comma", "say \"hi\" 298", 299),
                "\"94f6d7e04a4d452035300f18b984988c\",\"34ed066df378efacc9b924ec161e7639\",0x8000012E,0x0000012F,"
                        + "304,305,-306"),
        new Kind("view CTE column", 225, VIEWPARTS, vals(319, 318), vals("text 320, with comma", 321),
                "\"5737c6ec2e0716f3d8a7a5c4e0de0d9a\",\"bc6dc48b743dc5d013b1abaebd2faed2\",0x80000144,0x00000145,"
                        + "326,327,-328"),
        new Kind("where-used", 220, REFERENCED, vals(42, 43, 45),
                vals("34414e5b6875828f9ca9b6c3d0ddeaf7", "424f5c697683909daab7c4d1deebf805", 47),
                "\"505d6a7784919eabb8c5d2dfecf90613\",\"5764717e8b98a5b2bfccd9e6f3000d1a\",0x000D2320,0x000D3330,"
                        + "52,53,54"),
        new Kind("referenced object", 55, REFERENCED, vals(15, 16, 17, 18, 19, 20, 21), vals(),
                "\"9aa7b4c1cedbe8f5020f1c293643505d\",\"a1aebbc8d5e2effc091623303d4a5764\",0x000B8180,0x000B9190,"
                        + "26,27,28"),
        new Kind("lineage stream member", 194, LINEAGE, vals(164, 165, 166, 167), vals(),
                "\"0123456789abcdef00112233aabb00a8\",\"0123456789abcdef00112233aabb00a9\",0x00ABC0AA,0x00ABC0AB,"
                        + "172,173,174"),
        // Flags read from hex (0x000001FB) in procedures, templated procedures and triggers ...
        new Kind("procedure", 52, PROCS, vals(472, 473),
                vals(474, 0x1FB, "text 476, with comma", "say \"hi\" 477", "text 478", "text 479", 480, 481),
                "\"f770b62bc8f42a0b66751fe636fc6eb0\",\"e1e32e235eee1f970470a3a6658dfdd5\",0x800001E4,0x000001E5,"
                        + "486,487,-488"),
        new Kind("templated procedure", 77, PROCS, vals(503, 504),
                vals("text 505, with comma", "say \"hi\" 506", 0x1FB, "text 508", 509),
                "\"087408522c31eeb1f982bc0eaf81d35f\",\"a760880003e7ddedfef56acb3b09697f\",0x80000200,0x00000201,"
                        + "514,515,-516"),
        new Kind("trigger", 17, PROCS, vals(438, 439),
                vals("text 440, with comma", 441, "say \"hi\" 442", "text 443", 0x1BC, 445, "text 446", 447),
                "\"9b70e8fe62e40c570a322f1b0b659098\",\"d61e4bbd6393c9111e6526ea173a7c8b\",0x800001C2,0x000001C3,"
                        + "452,453,-454"),
        // ... and in decimal in packages.
        new Kind("package", 16, PROCS, vals(404, 405),
                vals("text 406, with comma", "say \"hi\" 407", "text 408", 409, "text 410", "text 411", 412, 413),
                "\"66808e327dc79d135ba18e051673d906\",\"42e7aaa88b48137a16a1acd04ed91125\",0x800001A0,0x000001A1,"
                        + "418,419,-420"),
        // Record types "TransfromMember_Base" and "TransformMemberLatest".
        new Kind("transform member", 78, TRANSFORMS, vals(140, 141, 142, 143, 144), vals(145),
                "\"0123456789abcdef00112233aabb0092\",\"0123456789abcdef00112233aabb0093\",0x00ABC094,0x00ABC095,"
                        + "150,151,152"),
        new Kind("object transform", 49, TRANSFORMS, vals(114, 115),
                vals(116, "Name 117, with comma", "say \"Description\" 118", 119),
                "\"0123456789abcdef00112233aabb0078\",\"0123456789abcdef00112233aabb0079\",0x00ABC07A,0x00ABC07B,"
                        + "124,125,126"),
        // Type (a text) between the own id and ModelId.
        new Kind("transformation", 191, TRANSFORMS, vals(166, 168),
                vals("Type 167, with comma", "say \"Name\" 169", "Definition 170", "Code 171"),
                "\"0123456789abcdef00112233aabb00ac\",\"0123456789abcdef00112233aabb00ad\",0x00ABC0AE,0x00ABC0AF,"
                        + "176,177,178"),
    };

    public static void main(String[] args) {
        for (Kind k : KINDS) {
            test(k.name + " (section " + k.sectionId + "): the Latest record, group by group", () -> {
                for (String file : k.files) {
                    int h = open(fixture("model/" + file + ".srtf"));
                    List<Walked> records = walkSection(h, k.sectionId);
                    eq(1, records.size(), file + ": records walked");
                    if (records.size() == 1) {
                        Walked r = records.get(0);
                        eq(k.tech, r.tech, file + ": tech keys");
                        eq(k.data, r.data, file + ": data properties");
                        eq(k.base, r.base, file + ": base columns");
                    }
                    isTrue(srtf.iterateObject(h, k.sectionId), file + ": the walk starts over after false");
                    srtf.releaseResources(h);
                }
            });
        }

        test("attribute data position 41 stands on no column and reads as the integer 0", () -> {
            int h = open(fixture("model/entity_attribute.srtf"));
            isTrue(srtf.iterateObject(h, 7), "the Latest attribute");
            for (int i = 0; i <= 40; i++) {
                eq(i, srtf.iterateDataProperty(h), "step " + i);
            }
            eq("columnname_pd 3103", srtf.getStrProperty(h), "ColumnName_PD at position 40");
            eq(41, srtf.iterateDataProperty(h), "step 41 is a step");
            eq("", srtf.getStrProperty(h), "no text carried over from position 40");
            eq(0, srtf.getIntProperty(h), "integer at position 41");
            isFalse(srtf.isCurrentPropertyString(h), "position 41 is no string");
            eq(-1, srtf.iterateDataProperty(h), "the walk ends after position 41");
            eq(-1, srtf.iterateDataProperty(h), "and stays ended");
            eq("", srtf.getStrProperty(h), "the value of position 41 stays current");
            eq(7, walk(h, "tech").size(), "tech keys afterwards");
        });

        test("kinds without data properties end the data walk at once and keep the current value", () -> {
            int h = open(fixture("model/m2_relationship.srtf"));
            isTrue(srtf.iterateObject(h, 40), "inter-model relationship");
            eq(0, srtf.iterateTechKeyProperty(h), "first tech key");
            eq(101, srtf.getIntProperty(h), "InterModelRelId");
            eq(-1, srtf.iterateDataProperty(h), "no data property");
            eq(101, srtf.getIntProperty(h), "the tech key stays current");
            eq(1, srtf.iterateTechKeyProperty(h), "the tech walk goes on");
            eq(102, srtf.getIntProperty(h), "DiagramId");
            isFalse(srtf.iterateObject(h, 40), "one record in the one list");
        });

        test("the sections of one document are walked one after the other", () -> {
            int h = open(fixture("model/m2_relationship_reordered.srtf"));
            int[] ids = {40, 57, 59, 223};
            int[] first = {101, 147, 200, 230};
            for (int i = 0; i < ids.length; i++) {
                List<Walked> records = walkSection(h, ids[i]);
                eq(1, records.size(), "records of section " + ids[i]);
                if (!records.isEmpty()) {
                    eq(Integer.toString(first[i]), records.get(0).tech.get(0), "id in section " + ids[i]);
                }
            }
        });

        Check.finish();
    }
}
