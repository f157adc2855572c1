// Writes the demo archive and its catalogue: filler bytes with six field slots
// at the offsets Field.txt names. Each slot's last 8 bytes are non-zero, so a
// test can see that a save never writes them.
//
//   make_demo <catalogue path> <archive path>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "fielddata/slot_layout.h"
#include "fielddata/coordinates.h"
#include "fielddata/field_text.h"

namespace {

struct DemoField {
    const char* catalogueName;  // as written in Field.txt, quotes included
    int offset;
    double positions[9][2];  // X, Z of fielders 0 to 8
    int animations[9];
};

const DemoField kFields[] = {
    {"Standard Attacking", 4097,
     {{0.0, -1.6}, {0.9, -1.9}, {1.5, -1.8}, {3.4, -0.6}, {-2.8, 0.4},
      {2.2, 3.1}, {-3.6, 3.3}, {5.6, -4.9}, {-6.1, -5.2}},
     {1, 1, 1, 0, 0, 0, 0, 0, 0}},
    {"\"Defensive, Ring\"", 10001,
     {{0.0, -1.6}, {3.9, 0.2}, {-3.9, 0.1}, {2.8, 3.0}, {-2.9, 2.9},
      {5.1, -3.8}, {-5.0, -3.9}, {0.4, 6.5}, {-0.6, -6.9}},
     {1, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"Slip Cordon", 16385,
     {{0.0, -1.6}, {0.7, -1.8}, {1.2, -1.85}, {1.7, -1.8}, {2.2, -1.6},
      {3.1, -0.9}, {-3.0, 0.5}, {1.0, 4.2}, {-4.4, -3.0}},
     {1, 1, 1, 1, 1, 0, 0, 0, 0}},
    {"Leg Trap", 22501,
     {{0.0, -1.6}, {-0.8, -0.3}, {-0.9, 0.6}, {-1.2, -1.0}, {2.5, 1.0},
      {-4.2, -2.6}, {-3.1, 3.6}, {3.3, -4.8}, {-6.4, 1.5}},
     {1, 2, 2, 2, 0, 0, 0, 0, 0}},
    {"Spread Out", 30001,
     {{0.0, -1.6}, {6.8, 0.0}, {-6.8, 0.2}, {4.9, 4.9}, {-4.8, 5.0},
      {4.7, -5.1}, {-5.0, -4.6}, {0.0, 7.2}, {0.3, -7.1}},
     {1, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"Close In", 40961,
     {{0.0, -1.6}, {0.8, 0.9}, {-0.8, 0.9}, {1.0, -1.7}, {-1.1, -1.4},
      {0.6, 2.0}, {-0.5, 2.1}, {2.0, -0.2}, {-2.1, 0.1}},
     {1, 2, 2, 1, 2, 2, 2, 0, 0}},
};

constexpr std::size_t kArchiveLength = 48 * 1024;

fielddata::FieldTexts textsOf(const DemoField& field) {
    fielddata::FieldTexts texts;
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        auto& f = texts[std::size_t(i)];
        f.x = fielddata::formatCoordinate(float(field.positions[i][0]));
        f.z = fielddata::formatCoordinate(float(field.positions[i][1]));
        f.animation = std::string(fielddata::kAnimationNames[std::size_t(field.animations[i])]);
        f.value = std::to_string(1 + i % 3);
    }
    return texts;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_demo <Field.txt> <archive.gob>\n";
        return 2;
    }
    std::vector<char> archive(kArchiveLength);
    unsigned state = 20261206u;  // fixed seed: the same archive on every build
    for (char& byte : archive) {
        state = state * 1103515245u + 12345u;
        byte = char(state >> 16);
    }

    std::string catalogue;
    for (const DemoField& field : kFields) {
        const std::string slot = fielddata::paddedBlock(fielddata::buildFieldText(textsOf(field)));
        std::copy(slot.begin(), slot.end(), archive.begin() + (field.offset - 1));
        for (std::size_t k = 0; k < 8; ++k)
            archive[std::size_t(field.offset - 1) + fielddata::kWritableLength + k] = char(0xA0 + k);
        catalogue += std::string(field.catalogueName) + "," + std::to_string(field.offset) + "\r\n";
    }

    std::ofstream gob(argv[2], std::ios::binary | std::ios::trunc);
    gob.write(archive.data(), std::streamsize(archive.size()));
    std::ofstream txt(argv[1], std::ios::binary | std::ios::trunc);
    txt << catalogue;
    gob.close();
    txt.close();
    if (!gob || !txt) {
        std::perror("make_demo");
        return 1;
    }
    return 0;
}
