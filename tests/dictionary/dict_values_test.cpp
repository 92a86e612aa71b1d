// How the data-dictionary records read their fields (blank texts, leading
// zeros, GUID case, short and long lines, numbers given where texts stand),
// the record index, the shared walk cursors, and the walks of the binding
// information record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dict_test_util.h"
#include "dictionary/ddbindinginfo.h"
#include "srtfcontainer.h"

namespace {

using dicttest::Columns;
using dicttest::kBaseColumns;
using dicttest::kZeroBase;

// One record line read as a Latest record and the columns it writes back.
TEST(DictValues, FieldsReadAndWriteBack) {
    const std::string base = kBaseColumns;
    const std::string zero = kZeroBase;
    const struct {
        const char* what;
        int sectionId;
        const char* type;
        std::string in;
        std::string out;
    } cases[] = {
        {"blank text becomes empty, tab and inner blanks stay", 19, "Default_Latest",
         "1,   ,\"\t \",\" a b \",2,3," + base, "1,\"\",\"\t \",\" a b \",2,3," + base},
        {"leading zeros and a sign", 61, "rule_latest", "007,\"n\",\"d\",\"t\",-0023,+4," + base,
         "7,\"n\",\"d\",\"t\",-23,4," + base},
        {"empty integer fields keep 0", 83, "VALID_ATTACHMENT_TYPE_LATEST", "1,,3,,5,6," + base,
         "1,0,3,0,5,6," + base},
        {"MinRows above MaxRows is kept", 83, "Valid_Attachment_Type_Latest",
         "1,2,3,900,5,6," + base, "1,2,3,900,5,6," + base},
        {"upper-case GUID comes back in lower case", 30, "Enterprise_Data_Dictionary_Latest",
         "1,\"n\",\"d\",\"A0B1C2D3E4F5A6B7C8D9EAFBACBDCEDF\",2," + base,
         "1,\"n\",\"d\",\"a0b1c2d3e4f5a6b7c8d9eafbacbdcedf\",2," + base},
        {"31 characters of GUID give the zero GUID", 30, "Enterprise_Data_Dictionary_Latest",
         "1,\"n\",\"d\",\"a0b1c2d3e4f5a6b7c8d9eafbacbdced\",2," + base,
         "1,\"n\",\"d\",\"\",2," + base},
        {"an empty GUID stays zero", 30, "Enterprise_Data_Dictionary_Latest",
         "1,\"n\",\"d\",\"\",2," + base, "1,\"n\",\"d\",\"\",2," + base},
        {"a short line leaves the defaults", 5, "Attachment_Latest", "5,6,\"n\"",
         "5,6,\"n\",\"\",\"\",0,0," + zero},
        {"fields past the last column change nothing", 6, "Attachment_Type_Latest",
         "1,\"n\",\"d\",2,3," + base + ",99,\"extra\"", "1,\"n\",\"d\",2,3," + base},
        {"a numeric DataTypeId stays a text", 29, "Domain_Latest",
         "1,2,3,4,\"n\",\"c\",\"d\",42", "1,2,3,4,\"n\",\"c\",\"d\",\"42\",0,0,0,\"\",0,0,\"\",\"\","
                                         "0,0,\"\",\"\",0,0,0,\"\",\"\",\"\"," + zero},
        {"the seed as text leaves the seed as integer", 29, "Domain_Latest",
         "1,2,3,4,\"n\",\"c\",\"d\",\"t\",5,6,7,\"ic\",,,\"dd\",\"cc\",8,9,\"no\",\"at\",1,10,11,"
         "\"  12\",\"13\",\"pd\"",
         "1,2,3,4,\"n\",\"c\",\"d\",\"t\",5,6,7,\"ic\",0,0,\"dd\",\"cc\",8,9,\"no\",\"at\",1,10,11,"
         "\"  12\",\"13\",\"pd\"," + zero},
        {"an unquoted number as ValueDefault is a text", 5, "Attachment_Latest",
         "1,2,\"n\",\"d\",17,3,4," + base, "1,2,\"n\",\"d\",\"17\",3,4," + base},
        {"minimum and maximum are texts", 56, "Reference_Value_Latest",
         "1,\"n\",\"d\",\"v\",\"vd\",1,100,0,1,4," + base,
         "1,\"n\",\"d\",\"v\",\"vd\",\"1\",\"100\",0,1,4," + base},
        {"template data with commas and quotes is one column", 187,
         "NamingStandardsTemplate_Latest",
         "1,2,\"n\",\"d\",\"a,b \"\"c\"\", d\"," + base,
         "1,2,\"n\",\"d\",\"a,b \"\"c\"\", d\"," + base},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CSRTFContainer doc;
        CSectionBase* s = doc.CreateSection(c.sectionId);
        dicttest::Dispatch(*s, c.type, c.in);
        ASSERT_EQ(1u, s->GetLatestList()->size());
        EXPECT_EQ(c.out, Columns(*s->GetLatestList()->back()));
    }
}

// Read into the Latest list, then check the reported data value.
TEST(DictValues, TextColumnsReportTexts) {
    CSRTFContainer doc;
    CSectionBase* s = doc.CreateSection(56);
    dicttest::Dispatch(*s, "Reference_Value_Latest", "1,\"n\",\"d\",\"v\",\"vd\",1,100,0,1,4");
    CObjectBase* r = s->GetLatestList()->back();
    PropertyValue v;
    int prop = 0;
    for (int i = 0; i < 6; ++i) ASSERT_TRUE(r->IterateDataProperty(i == 0, v, prop));
    EXPECT_EQ(PropertyValue::kText, v.type);
    EXPECT_EQ("100", v.text);
    EXPECT_EQ(29273, prop);
}

// Lines of an unknown record type add nothing.
TEST(DictValues, UnknownRecordTypeIsIgnored) {
    CSRTFContainer doc;
    CSectionBase* s = doc.CreateSection(29);
    dicttest::Dispatch(*s, "Domain", "1,2,3");
    dicttest::Dispatch(*s, "Domain_Latest_", "1,2,3");
    dicttest::Dispatch(*s, "Rule_Latest", "1,2,3");
    EXPECT_EQ(0, s->GetRecordCount());
}

// The record index keys Latest records by their id column, which is not
// always the first; the first record of a key stays; Base records and a
// section without the index flag enter nothing.
TEST(DictValues, RecordIndexTakesLatestRecordsByTheirId) {
    const struct {
        int sectionId;
        const char* baseType;
        const char* latestType;
        unsigned id;  // of the line "10,20,30"
    } cases[] = {
        {29, "Domain_Base", "Domain_Latest", 10},
        {80, "User_Data_Type_Base", "User_Data_Type_Latest", 20},
        {8, "Bound_Dictionary_Object_Base", "Bound_Dictionary_Object_Latest", 20},
        {24, "Dictionary_Object_Link_Base", "Dictionary_Object_Link_Latest", 20},
        {56, "Reference_Value_Base", "Reference_Value_Latest", 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sectionId);
        CSRTFContainer doc;
        CSectionBase* s = doc.CreateSection(c.sectionId);
        s->indexEnabled = 1;
        dicttest::Dispatch(*s, c.baseType, "11,21,31");
        dicttest::Dispatch(*s, c.latestType, "10,20,30");
        dicttest::Dispatch(*s, c.latestType, "10,20,30");
        ASSERT_EQ(2u, s->GetLatestList()->size());
        ASSERT_EQ(1u, s->recordIndex.size());
        EXPECT_EQ(c.sectionId, s->recordIndex.begin()->first.sectionId);
        EXPECT_EQ(c.id, s->recordIndex.begin()->first.id);
        EXPECT_EQ(s->GetLatestList()->front(), s->recordIndex.begin()->second);

        CSectionBase* off = doc.CreateSection(c.sectionId);
        dicttest::Dispatch(*off, c.latestType, "10,20,30");
        EXPECT_TRUE(off->recordIndex.empty());
    }
}

// The tech-key walk, its stores and the foreign-key walk share one cursor;
// the data walk and its stores another.
TEST(DictValues, WalksShareTheirCursors) {
    CSRTFContainer doc;
    CSectionBase* s = doc.CreateSection(29);
    dicttest::Dispatch(*s, "Domain_Latest", "1,2,3,4,\"n\",\"c\"");
    CObjectBase* r = s->GetLatestList()->back();
    int key = 0;
    ASSERT_TRUE(r->IterateTechKeyProperty(1, key));
    EXPECT_EQ(1, key);
    ForeignKeyRef fk;
    ASSERT_TRUE(r->IterateForeignKey(0, fk));  // the second foreign key
    EXPECT_EQ(3, fk.keyValue);
    EXPECT_EQ(19, fk.objectType);
    r->AddTechKeyProperty(0, 44);  // third tech key: BoundDefaultId
    EXPECT_EQ((std::vector<int>{1, 2, 44, 4, 0, 0, 0}), dicttest::TechKeys(*r));

    PropertyValue v;
    int prop = 0;
    ASSERT_TRUE(r->IterateDataProperty(1, v, prop));
    v.text = "col";
    r->AddDataProperty(0, v);  // second data column: ColumnName
    ASSERT_TRUE(r->IterateDataProperty(0, v, prop));
    EXPECT_EQ(28922, prop);  // Description follows
    const std::string head = "1,2,44,4,\"n\",\"col\",\"\",";
    EXPECT_EQ(head, Columns(*r).substr(0, head.size()));

    // Tech-key stores on a user data type leave Length, the first column,
    // alone.
    CSectionBase* u = doc.CreateSection(80);
    CObjectBase* t = u->CreateRecord();
    for (int i = 0; i < 5; ++i) t->AddTechKeyProperty(i == 0, 50 + i);
    EXPECT_EQ(std::string("0,50,51,52,\"\",\"\",\"\",0,0,53,\"\",") + kZeroBase, Columns(*t));
    delete t;
}

// The binding information record: nineteen data steps, all with property
// id 0, no keys, no id.
TEST(DictValues, BindingInfoWalks) {
    CDataDictionaryBindingInfo r;
    r.ReadColumn(2, "diagram");
    r.ReadColumn(14, "0102030405060708090a0b0c0d0e0f10");
    r.ReadColumn(18, "-7");
    const std::vector<int> types = {2, 2, 0, 0, 2, 0, 0, 2, 0, 0, 2, 0, 0, 0, 2, 0, 1, 1, 1};
    PropertyValue v;
    for (size_t i = 0; i < types.size(); ++i) {
        SCOPED_TRACE(i);
        int prop = -1;
        ASSERT_TRUE(r.IterateDataProperty(i == 0, v, prop));
        EXPECT_EQ(types[i], v.type);
        EXPECT_EQ(0, prop);
        if (i == 2) {
            EXPECT_EQ("diagram", v.text);
        }
        if (i == 14) {
            EXPECT_EQ("0102030405060708090a0b0c0d0e0f10", GuidToHexString(v.guid));
        }
        if (i == 18) {
            EXPECT_EQ(-7, v.value);
        }
    }
    int prop = 5;
    v.type = 9;
    EXPECT_FALSE(r.IterateDataProperty(0, v, prop));
    EXPECT_EQ(9, v.type);
    EXPECT_EQ(5, prop);
    EXPECT_EQ(19, r.GetColumnCount());

    int key = 3;
    EXPECT_FALSE(r.IterateTechKeyProperty(1, key));
    EXPECT_EQ(3, key);
    ForeignKeyRef fk;
    EXPECT_FALSE(r.IterateForeignKey(1, fk));
    const std::string before = Columns(r);
    r.AddTechKeyProperty(1, 5);
    r.SetForeignKey(5, 23);
    r.SetId(5);
    EXPECT_EQ(0, r.GetId());
    EXPECT_EQ(before, Columns(r));

    // Stores take the member that fits the column, whatever the type says.
    PropertyValue in;
    in.type = PropertyValue::kInt;
    in.guid = HexStringToGuid("ffeeddccbbaa99887766554433221100");
    in.text = "t";
    in.value = 8;
    for (int i = 0; i < 20; ++i) r.AddDataProperty(i == 0, in);
    EXPECT_EQ("\"ffeeddccbbaa99887766554433221100\",\"ffeeddccbbaa99887766554433221100\","
              "\"t\",\"t\",\"ffeeddccbbaa99887766554433221100\",\"t\",\"t\","
              "\"ffeeddccbbaa99887766554433221100\",\"t\",\"t\","
              "\"ffeeddccbbaa99887766554433221100\",\"t\",\"t\",\"t\","
              "\"ffeeddccbbaa99887766554433221100\",\"t\",8,8,8",
              Columns(r));
}

}  // namespace
