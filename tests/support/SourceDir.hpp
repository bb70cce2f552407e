// Where a test finds the files of the source tree (fuzz corpora, resource_db, tools): the
// TARVEX_SOURCE_DIR environment variable when it is set (ctest sets it), otherwise the source
// folder this test program was built from. A test run straight from the build folder
// therefore finds its data as well as one run through ctest.
#pragma once

#include <string>

namespace tarvex::testing {

// The source folder, without a trailing slash.
[[nodiscard]] std::string sourceDir();
// sourceDir() + "/" + relative.
[[nodiscard]] std::string sourcePath(const std::string& relative);

} // namespace tarvex::testing
