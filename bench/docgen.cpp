// Realistic SRTF documents for the benchmarks: every value is written as the
// container's writer writes it (decimal ints, "0x" + eight upper-case hex
// digits, texts in double quotes with inner quotes doubled, GUIDs as 32
// lower-case hex digits in quotes, "" for the zero GUID), so the text equals
// what saving the read document produces.
#include "docgen.h"

#include <cstdio>
#include <stdexcept>
#include <vector>

#include "model/dddiagram.h"
#include "model/ddentity.h"
#include "model/ddkey.h"
#include "model/ddrelationship.h"

namespace {

// ---- pseudo-random numbers (splitmix64) ----

class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <class T, size_t N>
    const T& Pick(const T (&items)[N]) { return items[Below(static_cast<int>(N))]; }

private:
    uint64_t state_;
};

struct Guid {
    uint8_t bytes[16] = {};
};

Guid RandomGuid(Rng& rng) {
    Guid g;
    for (int i = 0; i < 16; i += 8) {
        const uint64_t v = rng.Next();
        for (int j = 0; j < 8; ++j) g.bytes[i + j] = static_cast<uint8_t>(v >> (8 * j));
    }
    return g;
}

// ---- one record line, as the writer forms it ----

class Line {
public:
    Line(std::string& out, const char* recordType) : out_(out) {
        out_ += recordType;
        out_ += " = ";
    }
    Line& Int(int value) {
        Comma();
        char text[12];
        char* end = text + sizeof text;
        char* p = end;
        unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
        do {
            *--p = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude);
        if (value < 0) *--p = '-';
        out_.append(p, static_cast<size_t>(end - p));
        return *this;
    }
    Line& Hex(uint32_t value) {
        Comma();
        static const char kDigits[] = "0123456789ABCDEF";
        out_ += "0x";
        for (int shift = 28; shift >= 0; shift -= 4) out_ += kDigits[(value >> shift) & 0xF];
        return *this;
    }
    Line& Text(const std::string& text) {
        Comma();
        out_ += '"';
        for (char c : text) {
            if (c == '"') out_ += '"';
            out_ += c;
        }
        out_ += '"';
        return *this;
    }
    Line& GuidText(const Guid& g) {
        Comma();
        out_ += '"';
        bool zero = true;
        for (uint8_t b : g.bytes) zero = zero && b == 0;
        if (!zero) {
            static const char kDigits[] = "0123456789abcdef";
            for (uint8_t b : g.bytes) {
                out_ += kDigits[b >> 4];
                out_ += kDigits[b & 0xF];
            }
        }
        out_ += '"';
        return *this;
    }
    void End() { out_ += ";\r\n"; }

private:
    void Comma() {
        if (comma_) out_ += ',';
        comma_ = true;
    }
    std::string& out_;
    bool comma_ = false;
};

// ---- sections ----

struct Section {
    Section(const char* n, const RecordKind& k, const char* b, const char* l)
        : name(n), kind(k), baseType(b), latestType(l) {}

    const char* name;         // between the brackets
    const RecordKind& kind;   // for the comment line
    const char* baseType;
    const char* latestType;
    std::string base;
    std::string latest;
    int baseCount = 0;
    int latestCount = 0;

    size_t Bytes() const { return base.size() + latest.size(); }
    std::string& Lines(bool isBase) {
        (isBase ? baseCount : latestCount)++;
        return isBase ? base : latest;
    }
};

// ---- vocabulary ----

const char* const kNouns[] = {
    "Customer", "Order", "Invoice", "Product", "Account", "Address", "Shipment", "Payment",
    "Employee", "Department", "Contract", "Supplier", "Warehouse", "Region", "Currency",
    "Price", "Discount", "Campaign", "Vendor", "Policy", "Claim", "Patient", "Encounter",
    "Ledger", "Budget", "Asset", "Project", "Task", "Contact", "Branch", "Store", "Carrier",
    "Route", "Tariff", "Subscription", "Meter", "Reading", "Loan", "Collateral", "Party"};
const char* const kQualifiers[] = {
    "Line", "Item", "Detail", "History", "Type", "Category", "Group", "Header", "Status",
    "Schedule", "Assignment", "Balance", "Rate", "Term", "Event", "Role", "Agreement",
    "Allocation"};
struct AttributeShape {
    const char* name;
    const char* datatype;
    int length;
    int scale;
};
const AttributeShape kAttributeShapes[] = {
    {"Identifier", "INTEGER", 0, 0},         {"Code", "CHAR(10)", 10, 0},
    {"Name", "VARCHAR(60)", 60, 0},          {"Description", "VARCHAR(255)", 255, 0},
    {"Start Date", "DATE", 0, 0},            {"End Date", "DATE", 0, 0},
    {"Amount", "DECIMAL(18,2)", 18, 2},      {"Quantity", "DECIMAL(12,3)", 12, 3},
    {"Rate", "DECIMAL(9,6)", 9, 6},          {"Status Code", "CHAR(2)", 2, 0},
    {"Created Timestamp", "TIMESTAMP", 0, 0}, {"Number", "NUMERIC(10,0)", 10, 0},
    {"Indicator", "CHAR(1)", 1, 0},          {"Percentage", "DECIMAL(5,2)", 5, 2},
    {"Comment Text", "VARCHAR(2000)", 2000, 0}, {"Sequence Number", "SMALLINT", 0, 0},
    {"Email Address", "VARCHAR(254)", 254, 0}, {"Phone Number", "VARCHAR(20)", 20, 0},
    {"Country Code", "CHAR(3)", 3, 0},       {"Version", "INTEGER", 0, 0}};
const char* const kSystems[] = {"Order Entry", "Billing", "CRM", "General Ledger",
                                "Warehouse Management", "Payroll", "Claims", "Web Shop"};
const char* const kOwners[] = {"", "", "dbo", "sales", "finance", "stage"};
const char* const kPeople[] = {"A. Lindqvist", "M. Okafor", "J. Ferreira", "K. Nakamura",
                               "P. Dubois", "R. Kowalczyk"};

std::string Upper(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == ' ')
            out += '_';
        else
            out += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return out;
}

std::string Definition(Rng& rng, const std::string& what, const std::string& owner) {
    std::string d;
    switch (rng.Below(6)) {
        case 0:
            d = "The " + what + " of the " + owner + ", as recorded by the \"" +
                rng.Pick(kSystems) + "\" system.";
            break;
        case 1:
            d = "Identifies the " + owner + " uniquely within its " + rng.Pick(kNouns) +
                ", and never changes once it has been assigned.";
            break;
        case 2:
            d = what + " in the currency of the " + owner +
                ", rounded to two decimals, after discounts and before taxes.";
            break;
        case 3:
            d = "One of \"A\" (active), \"S\" (suspended) or \"C\" (closed); \"C\" is final, "
                "and a closed " + owner + " is kept for seven years.";
            break;
        case 4:
            d = "See the \"" + owner + " " + what + "\" rule in the " + rng.Pick(kSystems) +
                " handbook, section " + std::to_string(rng.Between(1, 40)) + ".";
            break;
        default:
            d = "The " + what + " of a " + owner + ".";
            break;
    }
    if (rng.Chance(30))
        d += " Loaded nightly from the " + std::string(rng.Pick(kSystems)) +
             " extract; values before 2015 are estimates, not measurements.";
    return d;
}

std::string Note(Rng& rng) {
    if (rng.Chance(60)) return "";
    return "Reviewed by " + std::string(rng.Pick(kPeople)) + ", " +
           std::to_string(rng.Between(2016, 2024)) + "-" + std::to_string(rng.Between(10, 12)) +
           "-" + std::to_string(rng.Between(10, 28)) + ": \"keep as is\".";
}

// ---- the document ----

class Generator {
public:
    explicit Generator(const DocGenOptions& o)
        : options_(o),
          rng_(o.seed),
          attributes_{"DDAttributeSection", CDDAttribute::StaticKind(), "Attr_Base", "Attr_Latest"},
          diagram_{"DDDiagramSection", CDDDiagram::StaticKind(), "Diag_Base", "Diag_Latest"},
          entities_{"DDEntitySection", CDDEntity::StaticKind(), "Entity_Base", "Entity_Latest"},
          keys_{"DDKeySection", CDDKey::StaticKind(), "Key_Base", "Key_Latest"},
          keyAttributes_{"DDKeyAttributeSection", CDDKeyAttribute::StaticKind(),
                         "Key_Attribute_Base", "Key_Attribute_Latest"},
          models_{"DDModelSection", CDDModel::StaticKind(), "Model_Base", "Model_Latest"},
          relationships_{"DDRelationshipSection", CDDRelationship::StaticKind(), "Rel_Base",
                         "Rel_Latest"} {}

    DocGenStats Run(std::string& out) {
        AddDiagram();
        int inModel = 0;
        do {
            if (inModel == 0) AddModel();
            AddEntity();
            if (++inModel == options_.entitiesPerModel) inModel = 0;
        } while (Bytes() < options_.targetBytes);

        // Sections in id order, as the container writes them.
        Section* order[] = {&attributes_, &diagram_, &entities_, &keys_, &keyAttributes_,
                            &models_, &relationships_};
        for (Section* s : order) {
            stats_.records += s->baseCount + s->latestCount;
            stats_.latestRecords += s->latestCount;
        }
        out.clear();
        out.reserve(static_cast<size_t>(Bytes()) + 4096);
        WriteHeader(out);
        for (Section* s : order) {
            out += "\r\n\r\n# " + s->kind.commentLine + ";\r\n\r\n[";
            out += s->name;
            out += "]\r\n";
            out += s->base;
            out += s->latest;
        }
        stats_.bytes = out.size();
        return stats_;
    }

private:
    uint64_t Bytes() const {
        return attributes_.Bytes() + entities_.Bytes() + keys_.Bytes() + keyAttributes_.Bytes() +
               models_.Bytes() + relationships_.Bytes() + diagram_.Bytes();
    }

    // The seven columns that end every line, for one version of an object.
    struct Version {
        Guid object;
        int versionId;
        int number;
    };
    Version NewObject() { return Version{RandomGuid(rng_), ++versionId_, rng_.Between(2, 30)}; }
    static Version Before(const Version& v) { return Version{v.object, v.versionId - 1, v.number - 1}; }
    void BaseColumns(Line& line, const Version& v) {
        line.GuidText(v.object)
            .GuidText(RandomGuid(rng_))
            .Hex(rng_.Chance(80) ? 0x00000000u : static_cast<uint32_t>(rng_.Next()))
            .Hex(rng_.Chance(90) ? 0x00000001u : 0x00000011u)
            .Int(v.versionId)
            .Int(v.versionId - 1)
            .Int(v.number);
    }
    bool WithBase() { return rng_.Chance(options_.basePercent); }

    void AddDiagram() {
        const Version v = NewObject();
        Line line(diagram_.Lines(false), diagram_.latestType);
        line.Int(diagramId_)
            .GuidText(RandomGuid(rng_))
            .Text("12.5.1")
            .Text("2024-03-18 14:22:07")
            .Text("2019-11-02 09:05:41")
            .Int(260).Int(0).Int(0).Int(1680).Int(1050)
            .Text("Enterprise Data Warehouse, \"EDW\" release")
            .Text(rng_.Pick(kPeople))
            .Text("Northwind Traders")
            .Text("(c) 2024 Northwind Traders, all rights reserved")
            .Text("Conformed dimensions and facts of the \"EDW\" programme, shared by every mart.")
            .Text("")
            .Text("C:\\Models\\EDW\\edw_main.dm1")
            .Text("2024")
            .Text("1252")
            .GuidText(RandomGuid(rng_))
            .Int(9)
            .GuidText(Guid{});
        BaseColumns(line, v);
        line.End();
    }

    void AddModel() {
        ++stats_.models;
        modelId_ = 100 + stats_.models;
        modelEntities_.clear();
        const Version v = NewObject();
        const bool base = WithBase();
        for (int pass = base ? 0 : 1; pass < 2; ++pass) {
            const bool isBase = pass == 0;
            Line line(models_.Lines(isBase), isBase ? models_.baseType : models_.latestType);
            line.Int(modelId_).Int(diagramId_)
                .Text(std::string(rng_.Pick(kNouns)) + " " + rng_.Pick(kQualifiers) + " Model " +
                      std::to_string(stats_.models))
                .Int(rng_.Between(1, 40))
                .Text("IE")
                .Int(rng_.Between(1, 3))
                .Text("")
                .Text("Underscore")
                .Text("Upper")
                .Int(1).Int(1).Int(0).Int(2).Int(1)
                .Text("")
                .Text("Synchronized")
                .Int(30).Int(3).Int(0).Int(20).Int(0).Int(1).Int(100).Int(16777215)
                .Int(24).Int(96).Int(12).Int(0).Int(8192)
                .Text("")
                .Text("")
                .Text(rng_.Chance(50) ? "Oracle 19c" : "SQL Server 2019");
            BaseColumns(line, isBase ? Before(v) : v);
            line.End();
        }
    }

    void AddEntity() {
        ++stats_.entities;
        const int entityId = ++entityIds_;
        const std::string name = std::string(rng_.Pick(kNouns)) + " " + rng_.Pick(kQualifiers);
        const std::string table = Upper(name);
        const Version v = NewObject();
        const bool base = WithBase();
        for (int pass = base ? 0 : 1; pass < 2; ++pass) {
            const bool isBase = pass == 0;
            Line line(entities_.Lines(isBase), isBase ? entities_.baseType : entities_.latestType);
            line.Int(entityId).Int(modelId_).Int(0)
                .Text(name)
                .Text(table)
                .Text(Definition(rng_, "record", name))
                .Text(Note(rng_))
                .Text(rng_.Pick(kOwners))
                .Text(rng_.Chance(70) ? "Independent" : "Dependent")
                .Int(0)
                .Int(rng_.Chance(50) ? 0 : 1 << rng_.Below(12))
                .Int(0).Int(0).Int(0)
                .Text(rng_.Chance(20) ? "TABLESPACE \"DATA_" + table + "\" PCTFREE 10" : "");
            BaseColumns(line, isBase ? Before(v) : v);
            line.End();
        }

        // Attributes
        const int count = options_.attributesPerEntity + rng_.Between(-2, 2);
        std::vector<int> attributeIds;
        std::vector<std::string> columns;
        for (int a = 0; a < count; ++a) {
            ++stats_.attributes;
            const int attributeId = ++attributeIds_;
            const AttributeShape& shape = a == 0 ? kAttributeShapes[0] : rng_.Pick(kAttributeShapes);
            const std::string attrName = name + " " + shape.name;
            const std::string column = Upper(attrName);
            attributeIds.push_back(attributeId);
            columns.push_back(column);
            const bool pk = a == 0;
            const bool hasCheck = rng_.Chance(15);
            const std::string check = hasCheck ? column + " IN ('A', 'S', 'C')" : "";
            const char* defaultText = rng_.Chance(25) ? (shape.length ? "'N/A'" : "0") : "";
            const Version av = NewObject();
            const bool abase = WithBase();
            for (int pass = abase ? 0 : 1; pass < 2; ++pass) {
                const bool isBase = pass == 0;
                Line line(attributes_.Lines(isBase),
                          isBase ? attributes_.baseType : attributes_.latestType);
                line.Int(attributeId).Int(entityId).Int(0)
                    .Int(rng_.Chance(30) ? 2000 + rng_.Below(50) : 0)  // domain
                    .Int(0).Int(0).Int(0)
                    .Text(attrName)
                    .Text(column)
                    .Text("")
                    .Text(shape.datatype)
                    .Int(pk ? 0 : rng_.Chance(60) ? 1 : 0)
                    .Int(shape.length).Int(shape.scale)
                    .Text("")
                    .Int(0).Int(0)
                    .Int(a + 1)
                    .Text(check)
                    .Text(defaultText)
                    .Int(1).Int(0).Int(pk ? 1 : 0)
                    .Text(Definition(rng_, shape.name, name))
                    .Text("")
                    .Int(pk ? 1 : 0).Int(0)
                    .Text(Note(rng_))
                    .Text(*defaultText ? "default_value" : "")
                    .Int(0)
                    .Int(rng_.Chance(50) ? 0 : 1 << rng_.Below(16))
                    .Int(shape.length ? rng_.Between(1, shape.length) : 4)
                    .Int(pk ? 0 : rng_.Below(100))
                    .Int(0)
                    .Text("")
                    .Text("")
                    .Int(0).Int(0).Int(0)
                    .Int(0).Int(0).Int(0)
                    .Text(check)
                    .Text(shape.datatype)
                    .Text(shape.datatype)
                    .Int(shape.length).Int(shape.scale)
                    .Text(column);
                BaseColumns(line, isBase ? Before(av) : av);
                line.End();
            }
        }

        // Keys: the primary key, sometimes an alternate key and an inversion entry.
        AddKey(entityId, table, "PK", 1, attributeIds, columns);
        if (rng_.Chance(30)) AddKey(entityId, table, "AK", rng_.Between(1, 2), attributeIds, columns);
        if (rng_.Chance(50)) AddKey(entityId, table, "IE", rng_.Between(1, 3), attributeIds, columns);

        // The relationship to a parent entity of the same model.
        if (!modelEntities_.empty() && rng_.Chance(85)) AddRelationship(entityId, name);
        modelEntities_.push_back(entityId);
    }

    void AddKey(int entityId, const std::string& table, const char* type, int members,
                const std::vector<int>& attributeIds, const std::vector<std::string>& columns) {
        ++stats_.keys;
        const int keyId = ++keyIds_;
        const bool unique = type[0] != 'I';
        const Version v = NewObject();
        const bool base = WithBase();
        for (int pass = base ? 0 : 1; pass < 2; ++pass) {
            const bool isBase = pass == 0;
            Line line(keys_.Lines(isBase), isBase ? keys_.baseType : keys_.latestType);
            line.Int(keyId).Int(entityId).Int(0)
                .Text(std::string("X") + type + (type[0] == 'P' ? "" : "1") + table)
                .Text(unique ? "Y" : "N")
                .Text("Non-clustered")
                .Text(type)
                .Int(0)
                .Text("")
                .Text("N")
                .Text("")
                .Text("N")
                .Text("ASC")
                .Int(0).Int(0).Int(0);
            BaseColumns(line, isBase ? Before(v) : v);
            line.End();
        }
        for (int m = 0; m < members && m < static_cast<int>(attributeIds.size()); ++m) {
            ++stats_.keyAttributes;
            const size_t pick = type[0] == 'P' ? static_cast<size_t>(m)
                                               : static_cast<size_t>(rng_.Below(static_cast<int>(attributeIds.size())));
            const Version kv = NewObject();
            Line line(keyAttributes_.Lines(false), keyAttributes_.latestType);
            line.Int(++keyAttributeIds_).Int(keyId).Int(attributeIds[pick]).Int(m + 1)
                .Text(rng_.Chance(90) ? "ASC" : "DESC")
                .Text(columns[pick]);
            BaseColumns(line, kv);
            line.End();
        }
    }

    void AddRelationship(int childId, const std::string& childName) {
        ++stats_.relationships;
        const int parentId = modelEntities_[static_cast<size_t>(rng_.Below(static_cast<int>(modelEntities_.size())))];
        const bool identifying = rng_.Chance(40);
        const int relId = ++relationshipIds_;
        const Version v = NewObject();
        const bool base = WithBase();
        for (int pass = base ? 0 : 1; pass < 2; ++pass) {
            const bool isBase = pass == 0;
            Line line(relationships_.Lines(isBase),
                      isBase ? relationships_.baseType : relationships_.latestType);
            line.Int(relId).Int(modelId_).Int(0).Int(parentId).Int(childId)
                .Text("R/" + std::to_string(relId))
                .Text(identifying ? "Identifying" : "Non-Identifying")
                .Text(Definition(rng_, "link", childName))
                .Text(Note(rng_))
                .Text("belongs to")
                .Text("has, or had,")
                .Text("")
                .Text("One")
                .Int(1)
                .Text("Zero, One or More")
                .Int(-1)
                .Text("Mandatory")
                .Text(identifying ? "Mandatory" : "Optional")
                .Text("")
                .Text("Restrict")
                .Text(identifying ? "Cascade" : "Set Null")
                .Text("Restrict")
                .Text("Restrict")
                .Text("")
                .Int(0)
                .GuidText(Guid{})
                .Text("")
                .Int(0).Int(0).Int(0);
            BaseColumns(line, isBase ? Before(v) : v);
            line.End();
        }
    }

    void WriteHeader(std::string& out) {
        auto text = [&out](const char* key, const std::string& value) {
            std::string quoted;
            for (char c : value) {
                if (c == '"') quoted += '"';
                quoted += c;
            }
            out += key;
            out += " = \"" + quoted + "\";\r\n";
        };
        auto guid = [&out](const char* key, const Guid& g) {
            std::string line;
            Line(line, key).GuidText(g).End();
            out += line;
        };
        auto number = [&out](const char* key, int value) {
            out += key;
            out += " = " + std::to_string(value) + ";\r\n";
        };
        out += "\r\n[HeaderSection]\r\n";
        text("UserName", "akessler");
        guid("ObjectGUID", RandomGuid(rng_));
        text("ObjectType", "Diagram");
        text("Operation", "CHECKIN");
        number("MiscStatus", 0);
        text("Comment", "Nightly check-in of the \"EDW\" models, all subject areas");
        text("MachineName", "WS-0417");
        text("NamedRelease", "");
        guid("TransactionGUID", RandomGuid(rng_));
        text("UserPassword", "");
        text("FileDate", "2024-03-18 14:22:07");
        guid("SignatureGUID", Guid{});
        number("SRTFVersionNumber", 45);
        text("DM1FileSpec", "C:\\Models\\EDW\\edw_main.dm1");
        number("Object_Count", stats_.records);
        text("SRTFFileSpec", options_.fileSpec);
    }

    DocGenOptions options_;
    Rng rng_;
    Section attributes_, diagram_, entities_, keys_, keyAttributes_, models_, relationships_;
    DocGenStats stats_;
    const int diagramId_ = 1;
    int modelId_ = 0;
    int versionId_ = 500000;
    int entityIds_ = 10000, attributeIds_ = 100000, keyIds_ = 20000, keyAttributeIds_ = 300000,
        relationshipIds_ = 40000;
    std::vector<int> modelEntities_;
};

}  // namespace

DocGenStats GenerateDocument(const DocGenOptions& options, std::string& out) {
    Generator generator(options);
    return generator.Run(out);
}

DocGenStats GenerateDocumentFile(const std::string& path, DocGenOptions options) {
    if (options.fileSpec.empty()) options.fileSpec = path;
    std::string text;
    const DocGenStats stats = GenerateDocument(options, text);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) throw std::runtime_error("cannot create " + path);
    const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    if (std::fclose(f) != 0 || !ok) throw std::runtime_error("cannot write " + path);
    return stats;
}
