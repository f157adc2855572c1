#pragma once
// What a slot or an exchange file holds for one fielder, as the end-to-end
// runs compare it after the real program saved.
#include <map>
#include <string>

#include "fielddata/field_text.h"

namespace testing_support {

// Fielder i's X and Z in `slot`, as "X Z".
inline std::string xzInSlot(const std::string& slot, int i) {
    std::map<fielddata::FielderBox, std::string> boxes;
    for (const auto& f : fielddata::readFieldText(slot).filled)
        if (f.fielder == i) boxes[f.box] = f.text;
    return boxes[fielddata::FielderBox::X] + " " + boxes[fielddata::FielderBox::Z];
}

}  // namespace testing_support
