// What sets the SID kinds apart, case by case: the seven base columns and
// their written forms, lines with missing, empty, unreadable or surplus
// fields, columns whose order differs from kind to kind, the property ids of
// the diagram, the DiagramId tech key of entities and attributes, the stores
// through the record interface, and the record list of a section.
#include <functional>

#include "sid/siddiagobject.h"
#include "sid/siddictionary.h"
#include "sid/siddisplay.h"
#include "sid/sidlist.h"
#include "sid/sidmodel.h"
#include "sid/sidview.h"
#include "sid_test_util.h"

namespace {

using sidtest::Columns;
using sidtest::ReadOne;
using sidtest::Step;
using sidtest::WalkData;

const char* const kDefaults = "\"\",\"\",0,0,0x00000000,0x00000000,0";

TEST(SidQuirks, FieldsReadAndWrittenBack) {
    struct Case {
        const char* what;
        int id;
        const char* header;
        const char* line;
        std::string written;
    } cases[] = {
        {"empty value text: every column at its default", 101, "SIDModelSection", "Model = ;",
         std::string("Model = 0,0,") + kDefaults + ";"},
        {"a model line in its written form", 101, "SIDModelSection",
         "Model = 7,3,\"\",\"Sales\",4,0,0x0000001F,0x00000000,12;",
         "Model = 7,3,\"\",\"Sales\",4,0,0x0000001F,0x00000000,12;"},
        {"flag words without prefix, all bits set", 101, "SIDModelSection",
         "Model = 1,2,\"\",\"n\",3,4,1f,ffffffff,5;",
         "Model = 1,2,\"\",\"n\",3,4,0x0000001F,0xFFFFFFFF,5;"},
        {"name with comma and quote", 99, "SIDKeySection",
         "Key = 1,2,\"\",\"a, \"\"b\"\" c\",3,4,0x1,0x2,5;",
         "Key = 1,2,\"\",\"a, \"\"b\"\" c\",3,4,0x00000001,0x00000002,5;"},
        {"owner name with a quote", 97, "SIDEntitySection",
         "Entity = 1,2,3,\"o\"\"w\",\"\",\"\",0,0,0x0,0x0,0;",
         std::string("Entity = 1,2,3,\"o\"\"w\",") + kDefaults + ";"},
        {"only the own ids: base columns keep their defaults", 98, "SIDEntityDisplaySection",
         "Entity_Display = 1,2,3;", std::string("Entity_Display = 1,2,3,") + kDefaults + ";"},
        {"negative ids keep their sign", 179, "SIDShapeSection",
         "Shape = -5,-1,-2147483648,\"\",\"\",-3,-4,0x0,0x0,-6;",
         "Shape = -5,-1,-2147483648,\"\",\"\",-3,-4,0x00000000,0x00000000,-6;"},
        {"empty int field keeps 0", 226, "SIDViewCteSection",
         "View_Cte = 4,,\"\",\"\",,,,,;", std::string("View_Cte = 4,0,") + kDefaults + ";"},
        {"unreadable ints and flag words keep 0", 106, "SIDRuleSection",
         "Rule = x,\"\",\"\",y,z,0xq,g,w;", std::string("Rule = 0,") + kDefaults + ";"},
        {"surplus fields passed over", 106, "SIDRuleSection",
         "Rule = 1,\"\",\"n\",2,3,0x4,0x5,6,99,\"more\";",
         "Rule = 1,\"\",\"n\",2,3,0x00000004,0x00000005,6;"},
        {"GUIDs: upper case written lower, 31 digits zero, blank name empty", 94,
         "SIDDiagramSection",
         "Diagram = 1,2,\"   \",\"\",\"0123456789ABCDEF0123456789ABCDEF\",\"   \",3,4,0x5,0x6,7;",
         "Diagram = 1,2,\"\",\"\",\"0123456789abcdef0123456789abcdef\",\"\",3,4,0x00000005,"
         "0x00000006,7;"},
        {"ObjectGUID of 31 digits is zero", 93, "SIDDefaultSection",
         "Default = 1,\"0123456789abcdef0123456789abcde\",\"d\",2,3,0x4,0x5,6;",
         "Default = 1,\"\",\"d\",2,3,0x00000004,0x00000005,6;"},
        {"enterprise data dictionary: empty GUID", 155, "SIDEnterpriseDataDictionarySection",
         "Enterprise_Data_Dictionary = \"\",\"\",\"e\",1,2,0x3,0x4,5;",
         "Enterprise_Data_Dictionary = \"\",\"\",\"e\",1,2,0x00000003,0x00000004,5;"},
        {"enterprise data dictionary: upper-case GUID", 155, "SIDEnterpriseDataDictionarySection",
         "Enterprise_Data_Dictionary = \"A1B2C3D4E5F60718293A4B5C6D7E8F90\",\"\",\"e\",1,2,3,4,5;",
         "Enterprise_Data_Dictionary = \"a1b2c3d4e5f60718293a4b5c6d7e8f90\",\"\",\"e\",1,2,"
         "0x00000003,0x00000004,5;"},
        {"checked out: empty value text", 91, "SIDCheckedOutSection", "CheckedOut = ;",
         "CheckedOut = \"\",\"\",\"\",\"\";"},
        {"checked out: GUID lower-cased, quote in the machine name", 91, "SIDCheckedOutSection",
         "CheckedOut = \"ann\",\"FFEEDDCCBBAA99887766554433221100\",\"Entity\",\"pc \"\"7\"\"\";",
         "CheckedOut = \"ann\",\"ffeeddccbbaa99887766554433221100\",\"Entity\",\"pc \"\"7\"\"\";"},
        {"user: id unquoted, name quoted", 111, "SIDUserSection", "User = 14,admin;",
         "User = 14,\"admin\";"},
        {"user: id that is no number keeps 0", 111, "SIDUserSection", "User = abc,\"admin\";",
         "User = 0,\"admin\";"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sidtest::OneRecord one = ReadOne(c.id, c.header, c.line);
        ASSERT_NE(nullptr, one.record);
        const std::string type = c.written.substr(0, c.written.find(" = "));
        EXPECT_EQ(c.written, type + " = " + Columns(*one.record) + ";");
    }
}

TEST(SidQuirks, BaseFlagWordOfAllBitsReadsBackAsMinusOne) {
    CSIDModel m;
    m.ObjectStatus = -1;
    m.ACL = 31;
    const std::string line = "Model = " + Columns(m) + ";";
    EXPECT_EQ("Model = 0,0,\"\",\"\",0,0,0x0000001F,0xFFFFFFFF,0;", line);
    sidtest::OneRecord one = ReadOne(101, "SIDModelSection", line);
    ASSERT_NE(nullptr, one.record);
    auto& back = static_cast<CSIDModel&>(*one.record);
    EXPECT_EQ(-1, back.ObjectStatus);
    EXPECT_EQ(31, back.ACL);
}

// Columns whose place on the line is easy to get wrong.
TEST(SidQuirks, ValuesLandInTheNamedColumns) {
    struct Case {
        int id;
        const char* header;
        const char* line;
        std::function<void(CObjectBase&)> check;
    } cases[] = {
        {90, "SIDAttributeSection", "Attribute = 1,2,3,4;",
         [](CObjectBase& r) {
             auto& a = static_cast<CSIDAttribute&>(r);
             EXPECT_EQ(3, a.DiagramId);
             EXPECT_EQ(4, a.ModelId);
         }},
        {108, "SIDSupertypeSection", "Supertype = 1,2,3;",
         [](CObjectBase& r) { EXPECT_EQ(2, static_cast<CSIDSupertype&>(r).SupertypeID); }},
        {109, "SIDSupertypeDisplaySection", "Supertype_Display = 1,2,3,4;",
         [](CObjectBase& r) {
             auto& d = static_cast<CSIDSupertypeDisplay&>(r);
             EXPECT_EQ(1, d.EntityId);
             EXPECT_EQ(3, d.SupertypeId);
             EXPECT_EQ(4, d.SupertypeDisplayId);
         }},
        {114, "SIDViewDisplaySection", "View_Display = 1,2,3;",
         [](CObjectBase& r) {
             auto& d = static_cast<CSIDViewDisplay&>(r);
             EXPECT_EQ(1, d.DbViewId);
             EXPECT_EQ(2, d.ViewDisplayId);
             EXPECT_EQ(3, d.SubmodelId);
         }},
        {96, "SIDDomainSection", "Domain = 40,7,3,9;",
         [](CObjectBase& r) {
             auto& d = static_cast<CSIDDomain&>(r);
             EXPECT_EQ(7, d.BoundRuleId);
             EXPECT_EQ(3, d.BoundUserDataTypeId);
             EXPECT_EQ(9, d.BoundDefaultId);
         }},
        {112, "SIDUserDataTypeSection", "User_Data_Type = 1,2,3;",
         [](CObjectBase& r) {
             auto& u = static_cast<CSIDUserDataType&>(r);
             EXPECT_EQ(2, u.BoundDefaultId);
             EXPECT_EQ(3, u.BoundRuleId);
         }},
        {156, "SIDViewTableSection", "View_Table = 8,0,5,6;",
         [](CObjectBase& r) {
             auto& t = static_cast<CSIDViewTable&>(r);
             EXPECT_EQ(0, t.ParentEntityId);
             EXPECT_EQ(5, t.ParentDbViewId);
             EXPECT_EQ(6, t.ChildDbViewId);
         }},
        {180, "SIDShapeEdgeSection", "ShapeEdge = 5,31,12,31,14,2,1;",
         [](CObjectBase& r) {
             auto& e = static_cast<CSIDShapeEdge&>(r);
             EXPECT_EQ(12, e.ParentTableRowId);
             EXPECT_EQ(31, e.ChildMetaTableId);
             EXPECT_EQ(14, e.ChildTableRowId);
         }},
        {91, "SIDCheckedOutSection", "CheckedOut = \"u\",\"\",\"Entity\",\"m\";",
         [](CObjectBase& r) {
             auto& c = static_cast<CSIDCheckedOut&>(r);
             EXPECT_EQ("Entity", c.ObjectType);
             EXPECT_EQ("m", c.MachineName);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        sidtest::OneRecord one = ReadOne(c.id, c.header, c.line);
        ASSERT_NE(nullptr, one.record);
        c.check(*one.record);
    }
}

TEST(SidQuirks, DataWalksYieldTheLineValues) {
    struct Case {
        int id;
        const char* header;
        const char* line;
        std::vector<Step> steps;
    } cases[] = {
        {94, "SIDDiagramSection", "Diagram = 12,3,\"Orders\",\"\",\"\",\"d\",1,2,0x3,0x4,5;",
         {{"i12", 0}, {"i3", 29488}, {"tOrders", 29488}, {"t", 29488}}},
        {97, "SIDEntitySection", "Entity = 6,7,8,\"own\";",
         {{"i6", 0}, {"i7", 0}, {"town", 0}}},
        {103, "SIDRelationshipSection", "Relationship = 1,2,3,4,5;",
         {{"i1", 0}, {"i2", 0}, {"i3", 0}, {"i4", 0}, {"i5", 0}}},
        {113, "SIDViewSection", "View = 1,2,\"dbo\";", {{"i1", 0}, {"i2", 0}, {"tdbo", 0}}},
        {96, "SIDDomainSection", "Domain = 40,7,3,9;",
         {{"i40", 0}, {"i7", 0}, {"i3", 0}, {"i9", 0}}},
        {180, "SIDShapeEdgeSection", "ShapeEdge = 5,31,12,31,14,2,1;",
         {{"i5", 0}, {"i31", 0}, {"i12", 0}, {"i31", 0}, {"i14", 0}, {"i2", 0}, {"i1", 0}}},
        {155, "SIDEnterpriseDataDictionarySection",
         "Enterprise_Data_Dictionary = \"00112233445566778899aabbccddeeff\";",
         {{"g00112233445566778899aabbccddeeff", 0}}},
        {91, "SIDCheckedOutSection",
         "CheckedOut = \"ann\",\"00112233445566778899AABBCCDDEEFF\",\"Entity\",\"m\";",
         {{"tann", 0}, {"g00112233445566778899aabbccddeeff", 0}, {"tEntity", 0}, {"tm", 0}}},
        {111, "SIDUserSection", "User = 14,\"admin\";", {{"i14", 0}, {"tadmin", 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        sidtest::OneRecord one = ReadOne(c.id, c.header, c.line);
        ASSERT_NE(nullptr, one.record);
        EXPECT_EQ(c.steps, WalkData(*one.record));
    }
}

// DiagramId of entities and attributes is reached only as the tech key.
TEST(SidQuirks, DiagramIdIsTheTechKeyOfEntitiesAndAttributes) {
    CSIDEntity entity;
    CSIDAttribute attribute;
    struct Case {
        CObjectBase* record;
        int* diagramId;
    } cases[] = {{&entity, &entity.DiagramId}, {&attribute, &attribute.DiagramId}};
    for (const Case& c : cases) {
        CObjectBase& r = *c.record;
        r.AddTechKeyProperty(1, 55);
        EXPECT_EQ(55, *c.diagramId);
        r.AddTechKeyProperty(0, 66);  // past the only key
        EXPECT_EQ(55, *c.diagramId);
        r.AddTechKeyProperty(1, 77);
        EXPECT_EQ(77, *c.diagramId);

        int out = 0;
        ASSERT_TRUE(r.IterateTechKeyProperty(1, out));
        EXPECT_EQ(77, out);
        out = 9;
        EXPECT_FALSE(r.IterateTechKeyProperty(0, out));
        EXPECT_EQ(9, out);
        // The foreign-key walk shares the tech-key position: its reset starts
        // the tech-key walk over.
        ForeignKeyRef fk;
        EXPECT_FALSE(r.IterateForeignKey(1, fk));
        EXPECT_TRUE(r.IterateTechKeyProperty(0, out));
        EXPECT_EQ(77, out);

        // The data store passes DiagramId by.
        PropertyValue v;
        v.type = PropertyValue::kInt;
        for (int i = 0; i < 3; ++i) {
            v.value = 100 + i;
            r.AddDataProperty(i == 0, v);
        }
        EXPECT_EQ(77, *c.diagramId);
    }
    EXPECT_EQ(100, entity.EntityId);
    EXPECT_EQ(101, entity.ModelId);
    EXPECT_EQ(100, attribute.AttributeId);
    EXPECT_EQ(101, attribute.EntityId);
    EXPECT_EQ(102, attribute.ModelId);
}

TEST(SidQuirks, DataStoresTakeTheColumnTypesMemberAndStopAtTheLastOwnColumn) {
    PropertyValue v;
    v.text = "text";
    v.guid = HexStringToGuid("0123456789abcdef0123456789abcdef");

    // Four values into a shape: the three ids, then nothing.
    CSIDShape shape;
    v.type = PropertyValue::kText;  // the type is never consulted
    for (int i = 0; i < 4; ++i) {
        v.value = 10 + i;
        shape.AddDataProperty(i == 0, v);
    }
    EXPECT_EQ("Shape = 10,11,12," + std::string(kDefaults) + ";",
              "Shape = " + Columns(shape) + ";");

    // A macro takes one value per reset.
    CSIDMacro macro;
    v.value = 5;
    macro.AddDataProperty(1, v);
    v.value = 6;
    macro.AddDataProperty(0, v);
    EXPECT_EQ(5, macro.MacroId);
    EXPECT_EQ(0, macro.LatestVersion);

    // An integer value stores its GUID member into DiagramGUID.
    CSIDEnterpriseDataDictionary edd;
    v.type = PropertyValue::kInt;
    edd.AddDataProperty(1, v);
    EXPECT_EQ(v.guid, edd.DiagramGUID);

    // Text columns take the text whatever the value's type.
    CSIDDiagram diagram;
    v.type = PropertyValue::kGuid;
    for (int i = 0; i < 4; ++i) diagram.AddDataProperty(i == 0, v);
    EXPECT_EQ(6, diagram.DiagramId);
    EXPECT_EQ("text", diagram.DiagramName);
    EXPECT_EQ("text", diagram.Description);
    EXPECT_EQ("", diagram.Name);

    // Records without tech keys store none.
    CSIDModel model;
    model.AddTechKeyProperty(1, 3);
    model.AddTechKeyProperty(0, 4);
    CSIDUser user;
    user.AddTechKeyProperty(1, 3);
    EXPECT_EQ("0,0," + std::string(kDefaults), Columns(model));
    EXPECT_EQ("0,\"\"", Columns(user));
}

// The base's own operations cover the seven shared columns.
TEST(SidQuirks, BaseOperationsCoverTheSevenSharedColumns) {
    CSIDDiagObject base;
    EXPECT_EQ(7, base.GetColumnCount());
    EXPECT_EQ(kDefaults, Columns(base));
    EXPECT_EQ(0, base.GetId());

    sidtest::OneRecord one = ReadOne(
        101, "SIDModelSection",
        "Model = 1,2,\"00112233445566778899aabbccddeeff\",\"Sales\",4,-5,0x1F,0x80000000,12;");
    ASSERT_NE(nullptr, one.record);
    auto& m = static_cast<CSIDModel&>(*one.record);
    PropertyValue v;
    int prop = -1;
    std::vector<Step> steps;
    for (bool ok = m.CSIDDiagObject::IterateDataProperty(1, v, prop); ok;
         ok = m.CSIDDiagObject::IterateDataProperty(0, v, prop))
        steps.push_back({sidtest::ValueText(v), prop});
    const std::vector<Step> want = {{"g00112233445566778899aabbccddeeff", 0},
                                    {"tSales", 0},
                                    {"i4", 0},
                                    {"i-5", 0},
                                    {"i31", 0},
                                    {"i-2147483648", 0},
                                    {"i12", 0}};
    EXPECT_EQ(want, steps);
    int out = 0;
    EXPECT_FALSE(m.CSIDDiagObject::IterateTechKeyProperty(1, out));

    v.type = PropertyValue::kInt;
    v.value = 3;
    v.text = "New";
    m.CSIDDiagObject::AddDataProperty(1, v);
    m.CSIDDiagObject::AddDataProperty(0, v);
    m.CSIDDiagObject::AddDataProperty(0, v);
    EXPECT_EQ("New", m.Name);
    EXPECT_EQ(3, m.LatestVersion);
    EXPECT_EQ(1, m.ModelId);  // the record's own columns are not the base's
}

TEST(SidQuirks, SectionListsItsRecordsInFileOrder) {
    auto doc = sidtest::ReadText(
        "[SIDMacroSection]\n"
        "Macro = 1;\nMacro = 2;\nmacro = 3;\nProc = 9,9;\nMACRO = 4;\nMacro = 5;\n");
    CSectionBase* s = doc->GetFirstSection(100);
    ASSERT_NE(nullptr, s);
    EXPECT_EQ(5, s->GetRecordCount());
    RecordList* list = s->GetRecordList();
    ASSERT_NE(nullptr, list);
    ASSERT_EQ(5u, list->size());
    for (int i = 0; i < 5; ++i) {
        auto* m = dynamic_cast<CSIDMacro*>((*list)[static_cast<size_t>(i)]);
        ASSERT_NE(nullptr, m);
        EXPECT_EQ(i + 1, m->MacroId);
    }
    EXPECT_EQ(5, doc->CountObjects());

    // A section without records still writes its comment line and header.
    CSIDViewCteColumnSection empty;
    EXPECT_EQ(
        "\n\n# ViewCteColumnId, ParentViewCteId, ObjectGUID, Name, LatestVersion, CheckInTime, "
        "ACL, ObjectStatus, ChildrenCount;\n\n[SIDViewCteColumnSection]\n",
        sidtest::Written(empty));
    EXPECT_EQ(0, empty.GetRecordCount());
    ASSERT_NE(nullptr, empty.GetRecordList());
    EXPECT_TRUE(empty.GetRecordList()->empty());
}

}  // namespace
