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

}  // namespace ringwright::cli
