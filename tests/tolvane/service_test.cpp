// CSRTFService below the JNI line: what the Java side cannot see directly.
#include <gtest/gtest.h>

#include <typeinfo>

#include "conversions.h"
#include "model/ddentity.h"
#include "recordgroups.h"
#include "repository/localobject.h"
#include "repository/roleprivilege.h"
#include "srtf_test_util.h"
#include "srtfservice.h"

TEST(Service, ReleasingADocumentDropsEveryPointerIntoItButKeepsTheCurrentValue) {
    CSRTFService service;
    const int h = service.InitFromFile(srtftest::FixturePath("java/server_errors.srtf"));
    service.Read(h);
    service.AddObject(h, 7);
    ASSERT_NE(nullptr, service.GetAddedObject(h));
    service.AddProperty(h, PropertyGroup::TechKey, 0, PropertyFromInt(77));
    ASSERT_TRUE(service.IterateErrors(h));
    ASSERT_NE(nullptr, service.GetErrorList(h));
    ASSERT_TRUE(service.IterateObject(h, 7));
    ASSERT_EQ(0, service.IterateProperty(h, PropertyGroup::TechKey));

    service.ReleaseResources(h);
    EXPECT_FALSE(service.IsSRTFResourceValid(h));
    EXPECT_EQ(nullptr, service.GetAddedObject(h));
    EXPECT_FALSE(service.HasObjectCursor(h));
    EXPECT_EQ(nullptr, service.GetErrorList(h));
    // The property getters still answer the value of the last step.
    std::string text;
    EXPECT_TRUE(service.GetStrProperty(h, text));
    EXPECT_EQ(77, service.GetIntProperty(h));
    // And nothing reaches the freed document.
    EXPECT_EQ(-1, service.IterateProperty(h, PropertyGroup::TechKey));
    EXPECT_FALSE(service.IterateErrors(h));
    EXPECT_EQ(0, service.GetErrorCode(h));
}

TEST(Service, AddObjectMakesTheRecordClassOfEachSection) {
    struct Case {
        int sectionId;
        const std::type_info& recordClass;
    };
    const Case cases[] = {
        {3, typeid(CLocalObject)},          {130, typeid(CUserInfo)},
        {138, typeid(CUserSelection)},      {171, typeid(CRolePrivilege)},
        {172, typeid(CRepoObjectPrivilege)}, {173, typeid(CRepoRoleInfo)},
        {7, typeid(CDDAttribute)},          {31, typeid(CDDEntity)},
    };
    CSRTFService service;
    const int h = service.Init();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sectionId);
        service.AddObject(h, c.sectionId);
        CObjectBase* record = service.GetAddedObject(h);
        ASSERT_NE(nullptr, record);
        EXPECT_EQ(c.recordClass, typeid(*record));
        // It is the last record of the list the Java side walks.
        RecordList* list =
            CSRTFService::ObjectListOf(service.FindContainer(h)->FindSection(c.sectionId, false));
        ASSERT_NE(nullptr, list);
        EXPECT_EQ(record, list->back());
    }
    // Lookup entries are walked but never made; ids outside 0..227 make nothing.
    for (int id : {213, -1, 228, 300}) {
        service.AddObject(h, 7);
        service.AddObject(h, id);
        EXPECT_EQ(nullptr, service.GetAddedObject(h)) << id;
    }
}

namespace {

// A record written by hand, without a column table: three data positions
// that the walk and the adds share one place in.
class CHandRecord : public CObjectBase {
public:
    int values[3] = {0, 0, 0};
    int place = 0;
    bool IterateDataProperty(int reset, PropertyValue& out, int& propertyId) override {
        if (reset) place = 0;
        if (place >= 3) return false;
        out.type = PropertyValue::kInt;
        out.value = values[place++];
        propertyId = 0;
        return true;
    }
    void AddDataProperty(int reset, const PropertyValue& value) override {
        if (reset) place = 0;
        if (place < 3) values[place++] = value.value;
    }
    bool IterateTechKeyProperty(int, int&) override { return false; }
    void AddTechKeyProperty(int, int) override {}
    bool IterateForeignKey(int, ForeignKeyRef&) override { return false; }
    void SetForeignKey(int, int) override {}
    int WriteColumns(COutputLineBuffer&) override { return 1; }
    const ColumnDesc* const* GetColumnReaders() override { return nullptr; }
    int GetColumnCount() override { return 0; }
};

}  // namespace

TEST(RecordGroups, SizeOfAGroupWithoutColumnTableIsCountedAndThePlaceKept) {
    CHandRecord record;
    StoreGroup(record, PropertyGroup::Data, true, PropertyFromInt(5));
    StoreGroup(record, PropertyGroup::Data, false, PropertyFromInt(6));
    EXPECT_EQ(3, GroupSize(record, PropertyGroup::Data, 2));
    StoreGroup(record, PropertyGroup::Data, false, PropertyFromInt(7));  // still lands on position 2
    EXPECT_EQ(5, record.values[0]);
    EXPECT_EQ(6, record.values[1]);
    EXPECT_EQ(7, record.values[2]);
    EXPECT_EQ(0, GroupSize(record, PropertyGroup::TechKey, -1));
    EXPECT_EQ(0, GroupSize(record, PropertyGroup::Base, -1));  // not a record of a two-list section
}

TEST(RecordGroups, SizesFromColumnTables) {
    CDDAttribute attribute;
    CLocalObject local;
    EXPECT_EQ(42, GroupSize(attribute, PropertyGroup::Data, -1));  // position 41 has no column
    EXPECT_EQ(7, GroupSize(attribute, PropertyGroup::TechKey, -1));
    EXPECT_EQ(7, GroupSize(attribute, PropertyGroup::Base, -1));
    EXPECT_EQ(5, GroupSize(local, PropertyGroup::Data, -1));
    EXPECT_EQ(0, GroupSize(local, PropertyGroup::TechKey, -1));
    EXPECT_EQ(0, GroupSize(local, PropertyGroup::Base, -1));
}

TEST(Conversions, TextValuesOfThePropertyAdds) {
    struct Case {
        const char* text;
        int type;
        bool guid;
    };
    const Case cases[] = {
        {"0123456789ABCDEF0123456789abcdef", PropertyValue::kGuid, true},
        {"0123456789ABCDEF0123456789ABCDEG", PropertyValue::kText, false},  // a letter G
        {"0123456789ABCDEF0123456789ABCDE", PropertyValue::kText, false},   // 31 digits
        {"0123456789ABCDEF0123456789ABCDEF0", PropertyValue::kText, false}, // 33 digits
        {"00000000000000000000000000000000", PropertyValue::kText, false},  // the zero GUID
        {"", PropertyValue::kText, false},
        {"abc", PropertyValue::kText, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const PropertyValue v = PropertyFromText(c.text);
        EXPECT_EQ(c.type, v.type);
        EXPECT_EQ(c.guid, !v.guid.IsZero());
        EXPECT_EQ(c.text, v.text);  // the text always travels, for text columns
        EXPECT_EQ(0, v.value);
    }
    const PropertyValue g = PropertyFromText("00112233445566778899aabbccddeeff");
    EXPECT_EQ(0x00, g.guid.bytes[0]);
    EXPECT_EQ(0x11, g.guid.bytes[1]);
    EXPECT_EQ(0xff, g.guid.bytes[15]);
    const PropertyValue i = PropertyFromInt(-3);
    EXPECT_EQ(PropertyValue::kInt, i.type);
    EXPECT_EQ(-3, i.value);
    EXPECT_TRUE(i.text.empty());
    EXPECT_TRUE(i.guid.IsZero());
}
