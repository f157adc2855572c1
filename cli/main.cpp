// ringwright-fields: the fields of a whole archive from the command line,
// exactly as safe as the editors' own saves: the same journal, lock and
// backups, and the same exchange files.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

#include "platform/win32/wide_text.h"
#else
#include <unistd.h>
#endif

#include "cli/commands.h"
#include "cli/stored_archive.h"
#include "fielddata/catalogue.h"
#include "fielddata/data_folder.h"
#include "fielddata/message_text.h"

namespace {

constexpr char kUsage[] =
    "Usage: ringwright-fields [--catalogue FILE] COMMAND ...\n"
    "  scan [--write [--force]] [ARCHIVE] list every field found in ARCHIVE as a Field.txt,\n"
    "                                     each named after what it holds; --write puts it\n"
    "                                     beside the program (--force replaces one that is\n"
    "                                     there, keeping it as a backup). Without ARCHIVE, the\n"
    "                                     one the editor would open\n"
    "  check ARCHIVE                      whether each record of Field.txt names a field\n"
    "  export ARCHIVE (NAME | --all) [DIR]\n"
    "                                     the named field, or every one, as .opt files\n"
    "  import [--force] ARCHIVE NAME FILE.opt\n"
    "                                     save that field into the named slot\n"
    "  restore ARCHIVE NAME               put the slot's kept original back\n"
    "  describe [--fielders] [--striker top|bottom] [--off left|right] ARCHIVE [NAME]\n"
    "                                     each field, or the named one, in cricket's words,\n"
    "                                     with the Laws' warnings; --fielders adds a line\n"
    "                                     per fielder. What is not given of the striker's\n"
    "                                     end and the off side is guessed from the slip fielders\n"
    "  --help, --version\n"
    "Field.txt is the one beside the program unless --catalogue names another.\n"
    "Exit status: 0 success, 1 failure, 2 a usage error.\n";

// Field.txt is looked for beside the program, as the editors look for it.
std::filesystem::path programFolder(const char* argv0) {
#ifdef _WIN32
    (void)argv0;
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), DWORD(path.size())));
    return std::filesystem::path(path).parent_path();
#else
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return (error ? std::filesystem::absolute(argv0, error) : self).parent_path();
#endif
}

// Field.txt as the editor finds it: beside the program or, on Linux, where
// none stands there, in the per-user data folder. A new one goes beside the
// program, or into that folder when the program's cannot be written and no
// Field.txt stands beside it, which every program would go on reading.
std::optional<std::filesystem::path> catalogueFor(const std::filesystem::path& program, bool writing) {
    const auto beside = program / "Field.txt";
#ifdef _WIN32
    (void)writing;
    return beside;
#else
    auto& files = fielddata::systemFileSystem();
    const auto dataFolder = fielddata::defaultDataFolder();
    const bool besideStands = fielddata::isPlainFile(files, beside);
    const bool besideUsable = writing ? ::access(program.c_str(), W_OK) == 0 : besideStands;
    if (besideUsable || dataFolder.empty()) return beside;
    if (writing && besideStands) {
        std::cerr << "The folder of " << fielddata::quotedPath(beside)
                  << ", the Field.txt every program reads, cannot be written, so no Field.txt was written.\n";
        return std::nullopt;
    }
    if (writing) return dataFolder / "Field.txt";
    return fielddata::isPlainFile(files, dataFolder / "Field.txt") ? dataFolder / "Field.txt" : beside;
#endif
}

int usage(const std::string& problem) {
    std::cerr << "ringwright-fields: " << problem << "\n" << kUsage;
    return 2;
}

// The words as the player typed them, in UTF-8. On Windows argv holds them in
// the system's code page, which turns a folder named in other letters (and
// any byte of Windows-1252 read as UTF-8) into a path that does not exist.
std::vector<std::string> argumentsOf(int argc, char** argv) {
#ifdef _WIN32
    int count = 0;
    if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        std::vector<std::string> words;
        for (int k = 0; k < count; ++k) words.push_back(ringwright::win32::utf8FromWide(wide[k]));
        LocalFree(wide);
        return words;
    }
#endif
    return {argv, argv + argc};
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // A catalogue goes out with its own CR LF, not one the console adds.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const std::vector<std::string> arguments = argumentsOf(argc, argv);
    std::vector<std::string> words;
    std::filesystem::path catalogue;
    bool force = false, all = false, write = false;
    ringwright::cli::Describing describing;
    for (std::size_t k = 1; k < arguments.size(); ++k) {
        const std::string& word = arguments[k];
        if (word == "--help") {
            std::cout << kUsage;
            return 0;
        }
        if (word == "--version") {
            std::cout << "ringwright-fields 1.0\n";
            return 0;
        }
        if (word == "--catalogue") {
            if (++k == arguments.size()) return usage("--catalogue needs a file.");
            catalogue = fielddata::pathFromUtf8(arguments[k]);
        } else if (word == "--force") {
            force = true;
        } else if (word == "--all") {
            all = true;
        } else if (word == "--write") {
            write = true;
        } else if (word == "--fielders") {
            describing.fielders = true;
        } else if (word == "--striker" || word == "--off") {
            const std::string a = word == "--striker" ? "top" : "left", b = word == "--striker" ? "bottom" : "right";
            if (++k == arguments.size() || (arguments[k] != a && arguments[k] != b))
                return usage(word + " needs " + a + " or " + b + ".");
            (word == "--striker" ? describing.strikerAtTop : describing.offOnLeft) = arguments[k] == a;
        } else if (word.starts_with("--")) {
            return usage("unknown option " + word + ".");
        } else {
            words.push_back(word);
        }
    }
    if (words.empty()) return usage("no command.");
    if (catalogue.empty()) {
        const auto found = catalogueFor(programFolder(argv[0]), write);
        if (!found) return 1;
        catalogue = *found;
    }
    const std::string command = words[0];
    const std::vector<std::string> operands(words.begin() + 1, words.end());
    const auto path = [&](std::size_t k) { return fielddata::pathFromUtf8(operands.at(k)); };
    const ringwright::cli::Context context{catalogue, fielddata::defaultDataFolder(), force, std::cout, std::cerr};
    namespace cli = ringwright::cli;
    if (command == "scan" && operands.size() == 1) return cli::scan(context, path(0), write);
    if (command == "scan" && operands.empty()) {
        const auto stored = cli::storedArchive(programFolder(argv[0]));
        if (!stored) {
            std::cerr << "No archive was named, and neither Ringwright.ini beside the program nor the game's settings "
                         "name one. Name it: ringwright-fields scan --write ARCHIVE\n";
            return 1;
        }
        std::cerr << "Scanning " << fielddata::quotedPath(stored->path) << ", the archive named in " << stored->from << ".\n";
        return cli::scan(context, stored->path, write);
    }
    if (command == "check" && operands.size() == 1) return cli::check(context, path(0));
    if (command == "export" && all && (operands.size() == 1 || operands.size() == 2))
        return cli::exportFields(context, path(0), "", operands.size() == 2 ? path(1) : ".");
    if (command == "export" && !all && (operands.size() == 2 || operands.size() == 3))
        return cli::exportFields(context, path(0), operands[1], operands.size() == 3 ? path(2) : ".");
    if (command == "import" && operands.size() == 3) return cli::importField(context, path(0), operands[1], path(2));
    if (command == "restore" && operands.size() == 2) return cli::restore(context, path(0), operands[1]);
    if (command == "describe" && (operands.size() == 1 || operands.size() == 2))
        return cli::describe(context, path(0), operands.size() == 2 ? operands[1] : "", describing);
    return usage("\"" + command + "\" with " + std::to_string(operands.size()) + " operands is no command of this tool.");
}
