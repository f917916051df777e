#include "resources/strings.h"

#include <unordered_map>
#include <vector>

namespace quan {

// Each subsystem keeps its texts in its own table file.
extern const StringEntry kShellStrings[];
extern const size_t kShellStringsCount;
extern const StringEntry kApportionStrings[];
extern const size_t kApportionStringsCount;
extern const StringEntry kPowerStrings[];
extern const size_t kPowerStringsCount;
extern const StringEntry kGraphicsStrings[];
extern const size_t kGraphicsStringsCount;
extern const StringEntry kPackingStrings[];
extern const size_t kPackingStringsCount;
extern const StringEntry kGraphsStrings[];
extern const size_t kGraphsStringsCount;
extern const StringEntry kNotationStrings[];
extern const size_t kNotationStringsCount;
extern const StringEntry kGeneratorStrings[];
extern const size_t kGeneratorStringsCount;
extern const StringEntry kSqrectStrings[];
extern const size_t kSqrectStringsCount;
extern const StringEntry kScheduleStrings[];
extern const size_t kScheduleStringsCount;
extern const StringEntry kElectionsStrings[];
extern const size_t kElectionsStringsCount;

namespace {
// Ids that more than one entry gives (the later entry wins in the table).
std::vector<int>& duplicates()
{
    static std::vector<int> d;
    return d;
}

const std::unordered_map<int, const char*>& table()
{
    static const std::unordered_map<int, const char*> t = [] {
        std::unordered_map<int, const char*> m;
        auto add = [&m](const StringEntry* e, size_t n) {
            for (size_t i = 0; i < n; ++i)
                if (!m.emplace(e[i].id, e[i].text).second)
                    duplicates().push_back(e[i].id);
        };
        add(kShellStrings, kShellStringsCount);
        add(kApportionStrings, kApportionStringsCount);
        add(kPowerStrings, kPowerStringsCount);
        add(kGraphicsStrings, kGraphicsStringsCount);
        add(kPackingStrings, kPackingStringsCount);
        add(kGraphsStrings, kGraphsStringsCount);
        add(kNotationStrings, kNotationStringsCount);
        add(kGeneratorStrings, kGeneratorStringsCount);
        add(kSqrectStrings, kSqrectStringsCount);
        add(kScheduleStrings, kScheduleStringsCount);
        add(kElectionsStrings, kElectionsStringsCount);
        return m;
    }();
    return t;
}
} // namespace

std::vector<int> duplicateStringIds()
{
    (void)table();
    return duplicates();
}

const char* str(int id)
{
    auto it = table().find(id);
    return it == table().end() ? "" : it->second;
}

} // namespace quan
