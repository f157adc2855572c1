#pragma once
// The subcommands of ringwright-fields, over fielddata alone. Each writes
// what it finds to `out`, its messages in the editors' words to `err`, and
// returns the exit status: 0 success, 1 a failure.
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

namespace ringwright::cli {

struct Context {
    std::filesystem::path catalogue;   // Field.txt beside the program, or --catalogue
    std::filesystem::path dataFolder;  // the originals and the journals that stand elsewhere
    bool force = false;
    std::ostream& out;
    std::ostream& err;
};

int scan(const Context& context, const std::filesystem::path& archive, bool write);
int check(const Context& context, const std::filesystem::path& archive);
// Every record when `name` is empty.
int exportFields(const Context& context, const std::filesystem::path& archive, const std::string& name,
                 const std::filesystem::path& folder);
int importField(const Context& context, const std::filesystem::path& archive, const std::string& name,
                const std::filesystem::path& file);
int restore(const Context& context, const std::filesystem::path& archive, const std::string& name);

// A field in cricket's words: its line, its warnings and, with `fielders`,
// a line per fielder. What is not given of the orientation is guessed from
// the slip fielders of every field of the catalogue, and said first.
struct Describing {
    std::optional<bool> strikerAtTop, offOnLeft;
    bool fielders = false;
};
// Every record when `name` is empty.
int describe(const Context& context, const std::filesystem::path& archive, const std::string& name,
             const Describing& describing);

}  // namespace ringwright::cli
