// Code and description of each error section kind, dispatched on the section
// id that the factory gave the section.
#include "errorsections.h"

#include "repository/servererrors.h"

namespace {

// Calls answer(code, description) with the members of the section's kind;
// returns false for a section whose kind gives neither.
template <class Answer>
bool AnswerOf(CSectionBase& s, Answer&& answer) {
    switch (s.sectionId) {
        case 142:
            if (auto* e = dynamic_cast<CGeneralErrorSection*>(&s)) return answer(e->ErrorCode, e->ErrorDescription);
            break;
        case 135:
            if (auto* e = dynamic_cast<CRepoDbSQLErrorInfoSection*>(&s)) return answer(e->SQLErrorCode, e->SQLErrorString);
            break;
        case 134:
            if (auto* e = dynamic_cast<CRepoDbDatabaseErrorSection*>(&s)) return answer(e->ErrorCode, e->ErrorDescription);
            break;
        case 133:
            if (auto* e = dynamic_cast<CSRTFErrorSection*>(&s)) return answer(e->ErrorCode, e->ErrorDescription);
            break;
        default:  // 141, the general file error, offers neither
            break;
    }
    return false;
}

}  // namespace

int ErrorCodeOf(CSectionBase& section) {
    int code = 0;
    AnswerOf(section, [&](int c, const std::string&) {
        code = c;
        return true;
    });
    return code;
}

std::string ErrorDescriptionOf(CSectionBase& section) {
    std::string description;
    AnswerOf(section, [&](int, const std::string& d) {
        description = d;
        return true;
    });
    return description;
}
