#pragma once

#include <string>
#include <vector>

namespace keyloom {

// The application object: settles the command line and the single instance, prepares what needs
// no window, then runs the main window until one of its exit paths ends it.
class CKeyloomApp {
  public:
    CKeyloomApp(int& argc, char** argv);

    // The whole life of the tool; the process's exit code.
    int InitInstance();

  private:
    int& m_argc;
    char** m_argv;
    std::vector<std::string> m_args;
};

}  // namespace keyloom
