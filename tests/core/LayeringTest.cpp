#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

// The core stays free of Qt: no file under src/core may include a Qt header.
TEST(Layering, CoreIncludesNoQtHeader) {
    namespace fs = std::filesystem;
    const fs::path core = fs::path(TRAVO_SOURCE_DIR) / "src" / "core";
    ASSERT_TRUE(fs::is_directory(core));
    const std::regex qtInclude(R"(^\s*#\s*include\s*[<"](Q[A-Za-z]|qt))");
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(core)) {
        if (!entry.is_regular_file()) continue;
        ++files;
        std::ifstream in(entry.path());
        std::string line;
        for (int n = 1; std::getline(in, line); ++n) {
            EXPECT_FALSE(std::regex_search(line, qtInclude)) << entry.path() << ":" << n;
        }
    }
    EXPECT_GT(files, 10);
}
