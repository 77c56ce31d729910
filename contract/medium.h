// Global medium codes: the names the export shows and the mapping from each category's short
// support list (as the import dialogs show it) to the global code.
#ifndef ORV_CONTRACT_MEDIUM_H
#define ORV_CONTRACT_MEDIUM_H

#include <string>

namespace orv {

// "|"-separated medium names in the user's code page; code n is piece n + 1.
const std::string& MediumNames();

// The global medium code of entry `index` of `category`'s support list. Books and collectibles
// have no list and keep the index; an unknown category gives 0.
int MediumCode(int category, int index);

}  // namespace orv

#endif  // ORV_CONTRACT_MEDIUM_H
