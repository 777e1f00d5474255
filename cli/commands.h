// The quellon commands. Each returns the process exit code and writes its failure to `err`.
#pragma once

#include <iosfwd>
#include <string>

namespace ostra::cli {

int runAbout(const std::string& modulePath, std::ostream& out, std::ostream& err);
int runInfo(const std::string& modulePath, std::ostream& out, std::ostream& err);
int runParams(const std::string& modulePath, bool asJson, std::ostream& out, std::ostream& err);
int runDemo(const std::string& modulePath, std::ostream& out, std::ostream& err);

// OstraQuellon.so (OstraQuellon.aex on Windows) beside the running executable.
std::string defaultModulePath();

}  // namespace ostra::cli
