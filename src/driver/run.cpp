#include "driver/run.h"

#include "driver/process_pattern.h"
#include "platform/console.h"

int RunConverter(std::span<const std::string_view> specs) {
    PrepareConsole();
    if (specs.empty()) {
        PrintLine("Incorrect number of parameters.");
        return kExitUsage;
    }
    bool ok = true;
    for (const std::string_view spec : specs) {
        ok = ProcessPattern(spec) && ok; // a failure never stops the walk
    }
    return ok && !ConsoleFailed() ? kExitSuccess : kExitFailure;
}
