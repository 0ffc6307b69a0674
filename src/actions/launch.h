#pragma once
// Starting the document's launch program and the programs of RunAndWait: the
// stored file and parameters become an argument vector, never a shell command line.
// Programs run directly; documents and web addresses go to xdg-open, or, where the player waits
// for them, to the desktop's default application; Windows programs (.exe, .com, .bat, .msi) go
// to wine when it is installed. Helpers are found on PATH, so tests can put recording stand-ins
// first.

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Splits a parameter string as Windows programs split their command line: blanks and tabs
// separate arguments; double quotes group blanks into an argument and are removed; "" inside
// quotes is one quote; 2n backslashes before a quote give n backslashes and the quote acts,
// 2n + 1 give n backslashes and a literal quote; other backslashes are kept as they are.
std::vector<std::string> SplitParameters(std::string_view parameters);

// What the decision needs to know about the machine.
struct TProgramLookup {
  // The full path of the program a bare name (see IsBareName) stands for on PATH, or nothing.
  // The system's lookup takes the first folder holding the name as written, else, as Windows
  // matches names, the first holding it in another letter case. A Windows program (see
  // IsWindowsProgramExtension) need only be a readable file, since wine runs it; anything else
  // must be executable.
  std::function<std::optional<std::string>(const std::string& name)> findOnPath;
  // Whether path is a regular file this user may execute.
  std::function<bool(const std::string& path)> isExecutable;
};

// The lookup of this machine: PATH from the environment, the file system's permissions.
TProgramLookup SystemProgramLookup();

// The file name's extension in capitals with its dot (".EXE"); empty when it has none.
std::string UpperExtension(const std::string& file);
// Whether an extension in capitals marks a program that wine runs: .EXE, .COM, .BAT, .MSI.
bool IsWindowsProgramExtension(const std::string& upperExtension);
// Whether file is a bare name, without folder or drive ("gimp", "notepad.exe"). The Windows shell
// looks for such a name in the current folder, then along its path.
bool IsBareName(std::string_view file);
// The Windows program file (see IsWindowsProgramExtension) as wine is to be given it: a bare name
// that is no file in the current folder becomes the program of that name on PATH; one found
// nowhere stays as it is, and wine searches its own Windows path for it.
std::string WindowsProgramPath(const std::string& file, const TProgramLookup& lookup);
// rest behind the full path of helper found through lookup (xdg-open, wine); nothing when the
// helper is not installed.
std::optional<std::vector<std::string>> CommandThrough(const TProgramLookup& lookup, const std::string& helper,
                                                       std::vector<std::string> rest);

// A stored file name as a Linux path: backslashes become slashes, and a name that does not
// exist as written is looked up ignoring letter case, folder by folder (the first match wins);
// what cannot be found stays as written.
std::string ToLinuxPath(std::string_view storedPath);

// Whether file starts with a URL scheme: two or more letters, digits, "+", "-" or "." starting
// with a letter, then a colon (one letter and a colon is a drive).
bool HasUrlScheme(std::string_view file);

// Whether file (a Linux path) is something the desktop opens rather than a program to run: an
// address with a scheme, or a document or folder (neither a Windows program nor executable, nor a
// bare name found on PATH).
bool OpensThroughDesktop(const std::string& file, const TProgramLookup& lookup);

// The argument vector that starts file with parameters, its first element the program to run
// (a full path); nothing when no program can start it (wine or xdg-open missing).
//  - a web or mail address (a scheme like "http:", "https:", "ftp:", "mailto:"), or a file that
//    is no program (see OpensThroughDesktop): xdg-open with the file alone;
//  - .exe and .com (extension compared upper-cased): wine, the file, the parameters;
//    .bat and .msi: wine start /wait /unix, the file, the parameters (a bare name: see
//    WindowsProgramPath);
//  - an executable file, or a bare name found on PATH: the program and the parameters.
std::optional<std::vector<std::string>> LaunchCommand(const std::string& file, const std::string& parameters,
                                                      const TProgramLookup& lookup);

// Starts file with parameters, whose path macros the caller has expanded (the file is turned
// into a Linux path first), for a caller that waits, and returns the process to wait for: a
// program itself (see LaunchCommand); for a document, folder or address, the desktop's default
// application for its type, started here (StartDefaultApplication), or xdg-open where no default
// application is known. The process is a child of this one, which the caller must reap
// (WaitForExit in actions/child_process.h).
// Nothing when nothing could be started, or when the desktop session started the application and
// there is no process here to wait for.
std::optional<pid_t> StartToWaitFor(const std::string& file, const std::string& parameters,
                                    const TProgramLookup& lookup = SystemProgramLookup());

// Starts file with parameters, whose path macros the caller has expanded, and, when wait is set,
// blocks until the started process ends (see StartToWaitFor). Without wait the file starts as
// LaunchCommand says, detached, so it leaves no zombie behind. maximised is a request the started
// program cannot be given on this platform and is ignored. An empty file does nothing. Returns whether a process of
// this player was started to run it (a program that then fails to execute is not told apart);
// failures are not reported otherwise. The program inherits the current folder and environment.
bool RunAndWait(const std::string& file, const std::string& parameters, bool maximised, bool wait,
                const TProgramLookup& lookup = SystemProgramLookup());
