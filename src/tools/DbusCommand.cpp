// orvel-tool dbus: asks the running Orvel, over the session bus, to look up the clipboard's word,
// to open the Greek table, to save its state, or to look up a given word. The call is made by
// gdbus, GLib's command-line bus client, so that the tool stays a static program without a bus
// library of its own.
#include "core/base/OrvelError.h"
#include "tools/Commands.h"
#include "tools/ToolArguments.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace orvel::tool {

namespace {

// The program's bus name, object and interface, as it publishes them.
constexpr const char* BusName = "org.dorne.Orvel";
constexpr const char* ObjectPath = "/OrvelDictionary";
constexpr const char* Interface = "org.dorne.Orvel.IOrvelDictionary";

struct TRequest {
    const char* Name;
    const char* Member;
    bool TakesWord;
};

const TRequest Requests[] = {
    {"search", "WordSearch", false},
    {"edit", "WordEdit", false},
    {"save", "OrvelSave", false},
    {"lookup", "LookUpWord", true},
};

// A word as a GVariant text string: in single quotes, with quotes and backslashes escaped.
std::string QuotedWord(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) {
        if (c == '\'' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "'";
}

struct TCallResult {
    int ExitCode = 0;
    std::string Errors;
};

TCallResult RunGdbus(const std::vector<std::string>& arguments) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        throw EOrvelError(std::string("cannot start gdbus: ") + std::strerror(errno));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, "gdbus", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    TCallResult result;
    if (spawned != 0) {
        close(pipeEnds[0]);
        throw EOrvelError(spawned == ENOENT
                              ? "gdbus was not found; it comes with the package libglib2.0-bin"
                              : std::string("cannot start gdbus: ") + std::strerror(spawned));
    }
    char buffer[4096];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) != 0;) {
        if (got > 0)
            result.Errors.append(buffer, size_t(got));
        else if (errno != EINTR)
            break;
    }
    close(pipeEnds[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 1;
    return result;
}

// The user's part of gdbus's complaint: the program's own message, or why nobody answered.
std::string DbusErrorMessage(const std::string& gdbusErrors) {
    std::string text = gdbusErrors;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    if (text.find("org.freedesktop.DBus.Error.ServiceUnknown") != std::string::npos ||
        text.find("org.freedesktop.DBus.Error.NameHasNoOwner") != std::string::npos)
        return "Orvel is not running";
    // "Error: GDBus.Error:<error name>: <message>" carries the program's own message.
    const std::string marker = "GDBus.Error:";
    const size_t named = text.find(marker);
    if (named != std::string::npos) {
        const size_t message = text.find(": ", named + marker.size());
        if (message != std::string::npos)
            return text.substr(message + 2);
    }
    if (text.rfind("Error: ", 0) == 0)
        text.erase(0, 7);
    return text.empty() ? "the call failed" : text;
}

} // namespace

int RunDbus(const TArguments& arguments) {
    if (arguments.empty())
        throw EUsageError("a request is missing");
    const TRequest* request = nullptr;
    for (const TRequest& candidate : Requests)
        if (arguments[0] == candidate.Name)
            request = &candidate;
    if (!request)
        throw EUsageError("unknown request '" + arguments[0] + "'");
    if (arguments.size() != (request->TakesWord ? 2u : 1u))
        throw EUsageError(request->TakesWord ? "lookup takes one word" : "too many arguments");

    std::vector<std::string> call{
        "gdbus",    "call",     "--session",
        "--dest",   BusName,    "--object-path",
        ObjectPath, "--method", std::string(Interface) + "." + request->Member};
    if (request->TakesWord)
        call.push_back(QuotedWord(arguments[1]));
    const TCallResult result = RunGdbus(call);
    if (result.ExitCode == 0)
        return 0;
    std::fprintf(stderr, "orvel-tool: %s\n", DbusErrorMessage(result.Errors).c_str());
    return 1;
}

} // namespace orvel::tool
