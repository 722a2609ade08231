// The library's two pop-up menus: item captions and the text each inserts.
// (The string table itself is the exported orvanaStringTable.)
#ifndef ORVANA_STATISTICS_RESOURCES_H
#define ORVANA_STATISTICS_RESOURCES_H

namespace statistics {

constexpr int kTestsMenuItems = 4;
extern const char16_t* const kTestsMenu[kTestsMenuItems];
extern const char16_t* const kTestsMenuTexts[kTestsMenuItems];

constexpr int kDistributionsMenuItems = 10;
extern const char16_t* const kDistributionsMenu[kDistributionsMenuItems];
// Each ends in "()"; the caret goes between the parentheses.
extern const char16_t* const kDistributionsMenuTexts[kDistributionsMenuItems];

}  // namespace statistics

#endif
