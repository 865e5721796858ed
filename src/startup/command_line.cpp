#include "startup/command_line.h"

#include "common/program.h"

namespace sg {

ProgramCommandLine readCommandLine(const std::vector<std::string>& words)
{
    ProgramCommandLine line;
    for (std::size_t i = 0; i < words.size(); ++i)
        line.text += (i > 0 ? " " : "") + words[i];
    if (words.size() == 1 && words.front() == "--help")
        line.request = CommandLineRequest::Help;
    else if (words.size() == 1 && words.front() == "--version")
        line.request = CommandLineRequest::Version;
    return line;
}

std::string usageText(const std::filesystem::path& userDataDir)
{
    return "usage: skyglass2 [ADDRESS | PATH]\n"
           "       skyglass2 --help | --version\n"
           "\n"
           "Opens the address or the local file in a main window, or the start page without\n"
           "one. When Skyglass2 already runs for this user, the running copy opens a new main\n"
           "window instead and this start ends.\n"
           "\n"
           "The settings, the site lists and the history live in\n"
           "  "
        + userDataDir.string()
        + "\n"
          "(under $XDG_DATA_HOME, normally ~/.local/share).\n"
          "\n"
          "The data tool skyglass2-data shows and changes them from the command line; run it\n"
          "without arguments for its commands.\n";
}

std::string versionText(std::string_view version)
{
    return std::string(kProgramTitle) + " " + std::string(version) + "\n";
}

} // namespace sg
