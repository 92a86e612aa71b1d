// Writes, from the section kinds this build knows, what the fuzzers start
// from besides the committed corpus, so that it follows the kinds as they are
// added:
//   OUT/srtf.dict            libFuzzer dictionary: every section header as a
//                            kind writes it, every record type and key, the
//                            punctuation of a line
//   OUT/seeds/reader/        a file per section kind: a header and the
//                            section with a record in each list (or every
//                            key of a key-value section)
//   OUT/seeds/keyvalue/      keyword, then each key and its value as written
//   OUT/seeds/fields/        keyword, then the value of a written record line
//
//   srtf_fuzz_inputs OUT
#include <sys/stat.h>

#include <cstdio>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "ipfmtwrite.h"
#include "sectionbase.h"
#include "sectiontable.h"
#include "srtfcontainer.h"

namespace {

std::string DictEntry(const std::string& word) {
    std::string out = "\"";
    for (unsigned char c : word) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out + "\"";
}

void Save(const std::string& path, const std::string& bytes) {
    fuzzsupport::WriteFile(path, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

// A record value with a typical text for every column of the kind.
std::string RecordValue(const RecordKind& kind) {
    std::string value;
    for (const ColumnDesc* c : kind.columns) {
        if (!value.empty()) value += ',';
        switch (c->type) {
            case ColType::Int: value += "-7"; break;
            case ColType::Hex: value += "0x0000002A"; break;
            case ColType::String: value += "\"text, with \"\"quotes\"\"\""; break;
            case ColType::Guid: value += "\"0123456789abcdef0123456789abcdef\""; break;
            case ColType::None: break;
        }
    }
    return value;
}

// Fills a new section of the id: a record for each record type, or each key
// with a value.
void Fill(CSectionBase& section) {
    const RecordTypeEntry* table = section.GetRecordTypeTable();
    auto* records = dynamic_cast<CRecordSection*>(&section);
    for (int i = 0; i < section.GetRecordTypeCount(); ++i) {
        if (!table[i].recordType) continue;
        std::string type = table[i].recordType;
        section.DispatchRecord(type, records ? RecordValue(records->Kind()) : std::string("7"));
    }
}

// The lines "key = value;" of a written text, without the line ends.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t from = 0;
    for (size_t at; (at = text.find(";\r\n", from)) != std::string::npos; from = at + 3) {
        const size_t start = text.rfind('\n', at);
        lines.push_back(text.substr(start == std::string::npos ? 0 : start + 1,
                                    at - (start == std::string::npos ? 0 : start + 1)));
    }
    return lines;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const std::string out = argv[1];
    for (const char* dir : {"", "/seeds", "/seeds/reader", "/seeds/keyvalue", "/seeds/fields"})
        mkdir((out + dir).c_str(), 0777);
    const std::string scratch = out + "/seeds/scratch.srtf";

    std::set<std::string> words = {" = ", ";\r\n", ";\n", "\r\n", "\"\"", "\"\"\"\"", ",\"", "\",",
                                   "0x", "0xFFFFFFFF", "-2147483648", "# ",
                                   "SRTFVersionNumber = 45;\r\n", "00000000000000000000000000000000"};
    for (int id = 0; id < kSectionIdCount; ++id) {
        SectionMaker make = SectionMakerOf(id);
        if (!make) continue;
        std::unique_ptr<CSectionBase> probe(make());
        const RecordTypeEntry* table = probe->GetRecordTypeTable();
        for (int i = 0; i < probe->GetRecordTypeCount(); ++i) {
            if (!table[i].recordType) continue;
            words.insert(table[i].recordType);
            words.insert(std::string(table[i].recordType) + " = ");
        }

        // The section alone, as written.
        Fill(*probe);
        {
            IpFmtWrite writer(scratch);
            probe->Write(writer);
            writer.close();
        }
        const std::string text = fuzzsupport::ReadFile(scratch);
        const size_t open = text.find("\r\n[");
        const size_t close = text.find("]\r\n", open);
        if (open == std::string::npos || close == std::string::npos) continue;
        const std::string keyword = text.substr(open + 3, close - open - 3);
        words.insert("\r\n[" + keyword + "]\r\n");

        const std::vector<std::string> lines = Lines(text);
        auto* records = dynamic_cast<CRecordSection*>(probe.get());
        if (records) {
            for (const std::string& line : lines) {
                const size_t eq = line.find(" = ");
                if (line.compare(0, 2, "# ") == 0 || eq == std::string::npos) continue;
                Save(out + "/seeds/fields/" + keyword, keyword + '\0' + line.substr(eq + 3));
                break;
            }
        } else {
            std::string seed = keyword;
            for (const std::string& line : lines) {
                const size_t eq = line.find(" = ");
                if (eq == std::string::npos) continue;
                seed += '\0' + line.substr(0, eq) + '\0' + line.substr(eq + 3);
            }
            Save(out + "/seeds/keyvalue/" + keyword, seed);
        }

        // A document of a header and the section.
        CSRTFContainer doc;
        if (id != 0) doc.CreateSection(0);
        Fill(*doc.CreateSection(id));
        doc.SetFilePath(out + "/seeds/reader/" + keyword + ".srtf");
        doc.Save();
    }
    std::remove(scratch.c_str());

    FILE* dict = std::fopen((out + "/srtf.dict").c_str(), "w");
    if (!dict) {
        std::perror("srtf.dict");
        return 1;
    }
    int n = 0;
    for (const std::string& w : words) std::fprintf(dict, "w%d=%s\n", ++n, DictEntry(w).c_str());
    return std::fclose(dict) == 0 ? 0 : 1;
}
