// ringwright-fields as a player runs it: its output, its messages, its exit
// status, and every byte and file it leaves.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <map>
#include <set>

#include "fielddata/field_picture.h"
#include "fielddata/field_text.h"
#include "fielddata/save_journal.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using namespace testing_support;

// A block and its NUL fill, 2040 bytes as a slot and an exchange file hold it.
std::string padded(const std::string& block) { return block + std::string(2040 - block.size(), '\0'); }

struct Outcome {
    int status;
    std::string out, err;
    // As a failure shows: its exit status, then what it said on standard error.
    std::string failed() const { return std::to_string(status) + " " + err; }
};

class FieldsTool : public ::testing::Test {
protected:
    TempDir dir;
    fs::path program = dir / "ringwright-fields";  // a copy, so Field.txt beside it is the test's own
    fs::path archive = dir / "a.gob";

    FieldsTool() { fs::copy_file(RINGWRIGHT_FIELDS, program); }

    Outcome run(const std::string& arguments, const std::string& environment = "") const {
        const std::string command = "cd '" + dir.path().string() + "' && XDG_DATA_HOME='" + (dir / "data").string() +
                                    "' " + environment + " '" + program.string() + "' " + arguments +
                                    " >out 2>err </dev/null";
        const int status = std::system(command.c_str());
        return {WEXITSTATUS(status), readBytes(dir / "out"), readBytes(dir / "err")};
    }
    static std::string fieldAt(double x) {
        fielddata::FieldTexts texts;
        for (auto& fielder : texts) fielder = {std::to_string(x).substr(0, 4), "1", "Slip01.anm", "2"};
        return fielddata::buildFieldText(texts);
    }
};

TEST_F(FieldsTool, UsageErrorsMissingFilesAndItsOwnWords) {
    EXPECT_EQ(run("--version").out, "ringwright-fields 1.0\n");
    EXPECT_EQ(run("--help").status, 0);
    for (const char* wrong : {"", "frob a.gob", "scan a b", "check a b", "--colour scan a.gob", "--catalogue"})
        EXPECT_EQ(run(wrong).status, 2) << wrong;
    EXPECT_EQ(run("scan none.gob").failed(), "1 The GOB file \"none.gob\" does not exist.\n");
    EXPECT_EQ(run("check none.gob").err, "Unable to find Field.txt\n");
}

// Three GiB, sparse: fields at the start, across block boundaries
// (the header cut, then the slot cut), beyond what Field.txt can name, and
// headers that are no field: a broken block, a slot cut by the archive's end.
TEST_F(FieldsTool, ScanFindsEveryFieldOfALargeArchiveReadOnce) {
    const std::uint64_t size = std::uint64_t(3) << 30, block = 8 << 20;
    {
        std::FILE* file = std::fopen(archive.c_str(), "wb");
        const auto put = [&](std::uint64_t at, const std::string& bytes) {
            fseeko(file, off_t(at), SEEK_SET);
            std::fwrite(bytes.data(), 1, bytes.size(), file);
        };
        put(4096, fieldAt(1.5));
        put(block - 4, fieldAt(2.5));
        put(2 * block - 1000, fieldAt(-3));
        put(std::uint64_t(2500) << 20, fieldAt(4));
        put(100000, fieldAt(1).substr(0, 400));
        put(size - 1000, fieldAt(1).substr(0, 1000));
        fclose(file);
    }
    const Outcome scan = run("scan a.gob");
    EXPECT_EQ(scan.status, 0);
    EXPECT_EQ(scan.out, "\"Field at 4097: cover point \xD7" "9\",4097\r\n\"Field at 8388605: point \xD7" "9\",8388605\r\n"
                        "\"Field at 16776217: square leg \xD7" "9\",16776217\r\n");
    EXPECT_EQ(scan.err, "The field at byte 2621440001 lies beyond what Field.txt can name, 2147483647, and is left out.\n");

    // Beside the program; an existing catalogue only with --force, kept.
    writeBytes(dir / "Field.txt", "Mine,1\r\n");
    EXPECT_EQ(run("scan --write a.gob").status, 1);
    EXPECT_EQ(run("scan --write --force a.gob").status, 0);
    EXPECT_EQ(readBytes(dir / "Field.txt"), scan.out);
    EXPECT_EQ(readBytes(dir / "Field.txt.1.bak"), "Mine,1\r\n");
}

TEST_F(FieldsTool, CheckExportImportAndRestoreAsTheEditorDoes) {
    std::string bytes(16384, 'g');
    bytes.replace(4096, 2040, padded(fieldAt(1.5)));
    bytes.replace(8192, 5, "BEGIm");
    writeBytes(archive, bytes);
    writeBytes(dir / "Field.txt", "Deep,4097\r\nOther,8193\r\nPast,16000\r\n");
    const Outcome checked = run("check a.gob");
    EXPECT_EQ(checked.status, 1);
    EXPECT_EQ(checked.out, "\"Deep\" at 4097: a field.\n"
                           "\"Other\" at 8193: no field. It does not begin with \"BEGIN\", as every field does.\n"
                           "\"Past\" at 16000: no field. The field slot at byte 16000 runs past the end of "
                           "\"a.gob\", which holds 16384 bytes.\n");

    EXPECT_EQ(run("export a.gob Deep").err, "Exported to ./Deep.opt\n");
    EXPECT_EQ(readBytes(dir / "Deep.opt"), padded(fieldAt(1.5)));
    fs::create_directory(dir / "fields");
    // Every field; each slot that is none says why.
    EXPECT_EQ(run("export a.gob --all fields").failed(),
              "1 Exported to fields/Deep.opt\n\"Other\" at 8193: It does not begin with \"BEGIN\", as every field does.\n"
              "\"Past\" at 16000: The field slot at byte 16000 runs past the end of \"a.gob\", which holds 16384 bytes.\n");
    EXPECT_EQ(readBytes(dir / "fields" / "Deep.opt"), padded(fieldAt(1.5)));

    // A journal a killed editor left is rolled back first; a foreign slot
    // takes --force; the original is kept once and put back by restore.
    writeBytes(dir / "moved.opt", fieldAt(-2));
    writeBytes(dir / "a.gob.ringwright-journal",
               fielddata::encodeJournal({4097, fielddata::systemFileSystem().facts(archive).value().identity,
                                         fs::canonical(archive).string(), bytes.substr(4096, 2040), bytes.substr(4096, 2040)}));
    const Outcome imported = run("import a.gob Deep moved.opt");
    EXPECT_EQ(imported.err, "A save into \"a.gob\" did not finish. The field at byte 4097 has been put back as it "
                            "was before that save.\nsaved\n");
    EXPECT_EQ(readBytes(archive).substr(4096, 2048), padded(fieldAt(-2)) + "gggggggg");
    const auto kept = fs::directory_iterator(dir / "data" / "Ringwright" / "backups")->path() / "Deep at 4097.opt";
    EXPECT_EQ(readBytes(kept), padded(fieldAt(1.5)));
    const Outcome foreign = run("import a.gob Other moved.opt");
    EXPECT_EQ(foreign.status * 1000 + foreign.out.size(), 1000);
    EXPECT_EQ(foreign.err, "The slot at byte 8193 of \"a.gob\" holds no field, so Field.txt may not fit this GOB file. "
                           "With --force the field is written there anyway.\n");
    EXPECT_EQ(readBytes(archive).substr(8192, 5), "BEGIm");
    EXPECT_EQ(run("import --force a.gob Other moved.opt").status, 0);
    // A picture an editor saved carries its field.
    writeBytes(dir / "moved.png", fielddata::withFieldChunk(std::string("\x89PNG\r\n\x1a\n\0\0\0\0IEND\xae\x42\x60\x82", 20),
                                                            fieldAt(-3)).value());
    EXPECT_EQ(run("import a.gob Other moved.png").err, "saved\n");
    EXPECT_EQ(readBytes(archive).substr(8192, 2040), padded(fieldAt(-3)));
    EXPECT_EQ(run("restore a.gob Deep").status, 0);
    EXPECT_TRUE(readBytes(archive).substr(0, 8192) == bytes.substr(0, 8192));
    EXPECT_EQ(run("restore a.gob Past").status, 1);
    EXPECT_FALSE(fs::exists(dir / "a.gob.ringwright-journal"));
}

// Hostile catalogues and names: every broken one fails with its reason, a
// name never reaches the terminal raw, and no two records share a file.
TEST_F(FieldsTool, BrokenCataloguesFailAndEveryRecordKeepsItsOwnFile) {
    std::string nuls;  // the first 40 of 100, as a name is shown
    for (int k = 0; k < 40; ++k) nuls += "\\0";
    const std::map<std::string, std::string> broken = {
        {std::string(100, '\0'), "Field.txt cannot be read: the last record (line 1, \"" + nuls + "\u2026\") has no field offset.\n"},
        {"", "\"" + (dir / "Field.txt").string() + "\" lists no fields.\n"}};
    writeBytes(archive, std::string(16384, 'g').replace(0, 2040, padded(fieldAt(1))).replace(4096, 2040, padded(fieldAt(1.5))).replace(10000, 2040, padded(fieldAt(9.5))));
    for (const auto& [content, reason] : broken) {
        writeBytes(dir / "Field.txt", content);
        EXPECT_EQ(run("check a.gob").failed(), "1 " + reason);
    }
    EXPECT_EQ(run("--catalogue . check a.gob").err, "\".\" is a folder, not a catalogue of fields.\n");

    // check says of a slot what export would; a name shows its controls.
    writeBytes(dir / "Field.txt", "\xEF\xBB\xBF\"\x1B]0;x\x07\xC2\x9B\",4097\r\nWide,10001\r\nCaf\xC3\xA9,4097\r\n");
    EXPECT_EQ(run("check a.gob").out, "\"\\x1B]0;x\\x07\\x9B\" at 4097: a field.\n"
                                      "\"Wide\" at 10001: no field. Fielder 0 not in range: \"9.50\".\n"
                                      "\"Caf\u00e9\" at 4097: a field.\n");
    EXPECT_EQ(run("export a.gob Caf\u00e9").err, "Exported to ./Caf\u00e9.opt\n");

    writeBytes(dir / "Field.txt", "Ring,4097\r\nRing,4097\r\nRing.opt,4097\r\n\"\",4097\r\n\"   \",4097\r\nring,1\r\n");
    fs::create_directory(dir / "all");
    EXPECT_EQ(run("export a.gob --all all").status, 0);
    std::set<std::string> files;
    for (const auto& file : fs::directory_iterator(dir / "all")) files.insert(file.path().filename().string());
    EXPECT_EQ(files, (std::set<std::string>{"Ring.opt", "Ring at 4097.opt", "Ring.opt at 4097.opt", "Field.opt",
                                            "Field at 4097.opt", "ring at 1.opt"}));
    writeBytes(dir / "Field.txt", "Ring at 4097,4097\r\nRing,4097\r\nRing,4097\r\n");
    EXPECT_EQ(run("export a.gob --all all").err, "The fields \"Ring at 4097\" and \"Ring\" would both be written to "
                                                 "\"Ring at 4097.opt\", so nothing was exported.\n");

}

// Fields whose lines end in a bare LF are found; one that begins inside
// another's slot is left out and said so.
TEST_F(FieldsTool, ScanFindsWhatTheReaderReadsAndTheStoredArchive) {
    std::string bare = fieldAt(1.5);
    for (std::size_t at = 0; (at = bare.find("\r\n", at)) != std::string::npos;) bare.erase(at, 1);
    std::string bytes(20000, 'g');
    bytes.replace(0, bare.size(), bare).replace(4000, 2040, padded(fieldAt(2))).replace(5700, 1400, fieldAt(3).substr(0, 1400));
    writeBytes(archive, bytes.replace(5700, fieldAt(3).size(), fieldAt(3)));
    const Outcome scan = run("scan a.gob");
    EXPECT_EQ(scan.out, "\"Field at 1: cover point \xD7" "9\",1\r\n\"Field at 4001: point \xD7" "9\",4001\r\n");
    EXPECT_EQ(scan.err, "The field at byte 5701 begins inside the slot of the field at byte 4001, so saving either "
                        "would write over the other; it is left out.\n");
    // Without an archive: the one the game's settings name, else a message.
    const std::string home = "HOME='" + dir.path().string() + "' XDG_CONFIG_HOME= WINEPREFIX='" + (dir / "no").string() + "'";
    fs::create_directories(dir / ".config");
    writeBytes(dir / ".config" / "Longstopper.ini", "[Tunebench]\r\nGOB=" + archive.string() + "\r\n");
    const Outcome stored = run("scan", home);
    EXPECT_EQ(stored.out, scan.out);
    EXPECT_EQ(stored.err, "Scanning \"" + archive.string() + "\", the archive named in the game's settings.\n" + scan.err);
    fs::remove(dir / ".config" / "Longstopper.ini");
    EXPECT_EQ(run("scan --write", home).failed(), "1 No archive was named, and neither Ringwright.ini beside the program "
                                                  "nor the game's settings name one. Name it: ringwright-fields scan --write ARCHIVE\n");
}

// A field as a coach sets it, seen the way its slips tell; the orientation
// given overrides the guess and is then not said.
TEST_F(FieldsTool, DescribeSaysEachFieldInCricketsWords) {
    fielddata::FieldTexts texts;
    const char* places[][2] = {{"-0.9", "-2.1"}, {"-1.4", "-1.9"}, {"-2", "-1.6"}, {"-3", "-0.6"}, {"-2.5", "2"},
                               {"2", "2.5"}, {"3", "-1"}, {"1.2", "-6.5"}, {"0", "7"}};
    for (int i = 0; i < 9; ++i) texts[std::size_t(i)] = {places[i][0], places[i][1], i < 2 ? "Slip01.anm" : "Basic04b.anm", "\x1B"};
    std::string bytes(16384, 'g');
    writeBytes(archive, bytes.replace(4096, 2040, padded(fielddata::buildFieldText(texts))));
    writeBytes(dir / "Field.txt", "Attack,4097\r\nNone,8193\r\n");
    const Outcome all = run("describe a.gob");
    EXPECT_EQ(all.status, 1);
    EXPECT_EQ(all.out, "orientation: striker at the bottom end, off side on the right (guessed from 2 slip fielders)\n"
                       "\"Attack\" at 4097: 1 slip, backward point, point, cover point, extra cover, long off, mid-on, "
                       "square leg, fine leg \u00B7 6 off, 3 leg\n"
                       "\"None\" at 8193: no field. It does not begin with \"BEGIN\", as every field does.\n");
    const Outcome one = run("describe --fielders --striker top --off left a.gob Attack");
    EXPECT_EQ(one.status * 1000 + one.err.size(), 0);
    EXPECT_EQ(one.out.substr(0, one.out.find("\n2  ")),
              "\"Attack\" at 4097: third man, backward point, cover, long off, mid-on \u00D73, midwicket, "
              "backward square leg \u00B7 4 off, 5 leg\n"
              "0  mid-on  X -0.9  Z -2.1  Slip01.anm \\x1B\n1  mid-on  X -1.4  Z -1.9  Slip01.anm \\x1B");
    EXPECT_TRUE(one.out.ends_with("\n7  long off  X 1.2  Z -6.5  Basic04b.anm \\x1B\n8  third man  X 0  Z 7  Basic04b.anm \\x1B\n"));
    EXPECT_EQ(run("describe --off up a.gob").status, 2);
    EXPECT_EQ(run("describe a.gob Other").err, "Field.txt lists no field named \"Other\".\n");
}

}  // namespace
