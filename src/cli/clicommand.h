// The commands of trellon-cli and what they share: arguments, exit statuses, one-line errors.
#pragma once

#include "link/usbid.h"
#include "model/projectfile.h"
#include "model/result.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace trellon::cli {

enum ExitStatus : int { exitSuccess = 0, exitFailure = 1, exitUsage = 2 };

// Thrown while reading the arguments; main prints the usage and exits 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Positional arguments and "--flag value" options of one command.
class Arguments {
public:
    Arguments(const std::vector<std::string>& args, const std::vector<std::string>& valueFlags,
              const std::vector<std::string>& switchFlags = {});

    const std::vector<std::string>& positional() const { return positional_; }
    std::optional<std::string> value(const std::string& flag) const;
    bool has(const std::string& flag) const;
    const std::string& requireValue(const std::string& flag) const;
    // A whole number of at least `minimum`.
    long numberOr(const std::string& flag, long fallback, long minimum) const;
    const std::string& onePositional(const char* what) const;

private:
    std::vector<std::string> positional_;
    std::vector<std::pair<std::string, std::string>> values_;
    std::vector<std::string> switches_;
};

// Prints "trellon-cli: <message>" on stderr and returns exitFailure.
int fail(const std::string& message);
int fail(const Error& error);

// Opens a project as the application does; a damaged extension block, whose data are left out, is told on stderr
// as "trellon-cli: warning: <why>" and the command goes on.
Result<LoadedProject> openProjectWarning(const std::string& path);

// The chip's own ids, and the pair given with --usb-id.
std::vector<UsbId> instrumentUsbIds(const Arguments& arguments);

int runDecodeCommand(const std::vector<std::string>& args);
int runShowCommand(const std::vector<std::string>& args);
int runEvaluateCommand(const std::vector<std::string>& args);
int runTxtCommand(const std::vector<std::string>& args);
int runCsvCommand(const std::vector<std::string>& args);
int runDocxCommand(const std::vector<std::string>& args);
int runXlsxCommand(const std::vector<std::string>& args);
int runBmpCommand(const std::vector<std::string>& args);
int runPdfCommand(const std::vector<std::string>& args);
int runReceiveCommand(const std::vector<std::string>& args);
int runPortsCommand(const std::vector<std::string>& args);

} // namespace trellon::cli
