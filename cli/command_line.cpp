#include "cli/command_line.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <ostream>
#include <string>

#include "cli/error_output.h"
#include "cli/options.h"
#include "core/messages.h"
#include "core/session.h"
#include "platform/native_services.h"

namespace dirnal::cli {

namespace {

// The entry checks as the options ask for them.
CheckOptions checkOptionsOf(const Options& options)
{
    CheckOptions check;
    if (options.jobs > 0)
        check.concurrentChecks = options.jobs;
    if (options.timeoutSeconds > 0)
        check.timeout = std::chrono::seconds(options.timeoutSeconds);
    return check;
}

int timeoutSecondsOf(const CheckOptions& check)
{
    return static_cast<int>(std::chrono::ceil<std::chrono::seconds>(check.timeout).count());
}

// False when an entry could not be checked (said so).
bool apply(const Step& step, Session& session, const Options& options, Dialogs& dialogs)
{
    switch (step.kind) {
    case Step::Relative:
        session.relativeToStartPosition();
        break;
    case Step::ToUnc:
        session.convertToNetworkShares();
        break;
    case Step::FromUnc:
        session.convertToDriveLetters();
        break;
    case Step::Short:
        session.convertNames(NameForm::Short);
        break;
    case Step::Long:
        session.convertNames(NameForm::Long);
        break;
    case Step::Quotes:
        session.toggleQuotes();
        break;
    case Step::RemoveDuplicates:
        session.deleteDoubleEntries();
        break;
    case Step::Exclude:
        // As "selection" and the delete image do it in the window.
        if (session.selectBySearchText(step.text) >= 0)
            session.deleteSelected();
        break;
    case Step::RemoveMissing: {
        const CheckOptions check = checkOptionsOf(options);
        const std::vector<std::string> unchecked = session.removeMissingEntries(check);
        if (!unchecked.empty()) {
            dialogs.reportError(session.messages().entriesNotChecked(unchecked, timeoutSecondsOf(check)));
            return false;
        }
        break;
    }
    }
    return true;
}

// The walk's progress on one terminal line, each count over the one before.
class ProgressLine {
public:
    explicit ProgressLine(std::ostream& err) : err_(err) {}
    void show(int found)
    {
        const std::string text = Messages().directoriesFound(found);
        err_ << '\r' << text << std::flush;
        width_ = std::max(width_, text.size());
    }
    void clear()
    {
        if (width_ > 0)
            err_ << '\r' << std::string(width_, ' ') << '\r' << std::flush;
    }

private:
    std::ostream& err_;
    std::size_t width_ = 0;
};

// The status line as lines on the error output, each clearing the
// progress line first.
class StatusLines final : public SessionListener {
public:
    StatusLines(const Session& session, ProgressLine& progress, std::ostream& err)
        : session_(session), progress_(progress), err_(err)
    {
    }
    void statusChanged() override
    {
        progress_.clear();
        err_ << session_.status() << '\n';
    }

private:
    const Session& session_;
    ProgressLine& progress_;
    std::ostream& err_;
};

// --check: the entries of the list file that name no directory on the
// output, as the file holds them, and a summary on the error output.
int checkListFile(Session& session, const Options& options, std::ostream& out, Dialogs& dialogs, std::ostream& err)
{
    const CheckOptions checkOptions = checkOptionsOf(options);
    const auto check = session.checkListFile(*options.check, dialogs, checkOptions);
    if (!check)
        return kCannotRead;
    if (!check->unchecked.empty())
        dialogs.reportError(session.messages().entriesNotChecked(check->unchecked, timeoutSecondsOf(checkOptions)));
    const std::string lines = session.listFileLines(check->missing);
    out.write(lines.data(), static_cast<std::streamsize>(lines.size()));
    out.flush();
    if (!out) {
        dialogs.reportError(session.messages().standardOutputFailed());
        return kCannotWrite;
    }
    if (!options.quiet)
        err << session.messages().checkSummary(*options.check, check->checked, check->missing.size(),
                                               check->unchecked.size(), check->relativeBase)
            << '\n';
    if (!check->missing.empty())
        return kEntriesMissing;
    return check->unchecked.empty() ? kSuccess : kIncomplete;
}

// Walks the start folder, keeping the list read before when asked to.
// "Total: N" comes before the walk's notices, as the window shows it
// before its message boxes; progress only on a terminal.
GenerationReport generate(Session& session, const Options& options, Dialogs& dialogs, std::ostream& err,
                          bool errIsTerminal, Interrupts* interrupts)
{
    WalkOptions walk;
    if (options.jobs > 0)
        walk.concurrentListings = options.jobs;
    if (options.timeoutSeconds > 0)
        walk.listingTimeout = std::chrono::seconds(options.timeoutSeconds);
    walk.maxDepth = options.maxDepth;
    if (interrupts)
        walk.cancel = &interrupts->cancel();
    ProgressLine progress(err);
    if (errIsTerminal && !options.quiet)
        walk.progress = [&progress](int found) { progress.show(found); };
    StatusLines status(session, progress, err);
    if (!options.quiet)
        session.addListener(status);
    GenerationReport report;
    {
        const Interrupts::DuringWalk signalsCancel(interrupts);
        report = session.generate(/*keepExisting=*/options.keep.has_value(), dialogs, walk);
    }
    session.removeListener(status);
    return report;
}

int writeList(Session& session, const std::string& output, std::ostream& out, Dialogs& dialogs)
{
    std::optional<UnheldEntries> unheld;
    std::optional<std::vector<std::string>> old;
    if (output == "-") {
        EncodedList list = session.listFileBytes();
        out.write(list.bytes.data(), static_cast<std::streamsize>(list.bytes.size()));
        out.flush();
        if (!out) {
            dialogs.reportError(session.messages().standardOutputFailed());
            return kCannotWrite;
        }
        unheld = std::move(list.unheld);
    } else {
        const std::string file = session.listFileFor(output);
        old = session.entriesOfExistingFile(file);
        if (!(unheld = session.writeListFile(file, dialogs)))
            return kCannotWrite;
    }
    if (old)
        session.tellChangesAgainst(*old, dialogs);
    session.tellUnheldEntries(*unheld, dialogs);
    return unheld->leftOut.empty() ? kSuccess : kIncomplete;
}

}  // namespace

int run(const std::vector<std::string>& arguments, std::ostream& list, std::ostream& text, std::ostream& err,
        bool errIsTerminal, Interrupts* interrupts)
{
    Options options;
    if (const auto problem = parseArguments(arguments, options)) {
        err << "dirnal-lst: " << *problem << "\n"
            << "Mehr dazu: dirnal-lst --help\n";
        return kUsage;
    }
    if (options.help) {
        text << helpText();
        return kSuccess;
    }
    if (options.version) {
        text << "dirnal-lst " << DIRNAL_VERSION << "\n";
        return kSuccess;
    }

    NativeServices native;
    Session session(native.forSession(nullptr, options.hidden ? HiddenFolders::Listed : HiddenFolders::LeftOut));
    ErrorOutput dialogs(err, options.quiet);
    if (options.check)
        return checkListFile(session, options, list, dialogs, err);

    // The start folder in the form the window's directory panel reports
    // it, so that both write the same list.
    if (!session.chooseStartDirectory(options.root)) {
        dialogs.reportError(session.messages().startFolderMissing(options.root));
        return kNoRoot;
    }
    // A list file whose last save was cut off is left as it is until the
    // user has put it right or chosen to keep it.
    if (options.keep && session.reportInterruptedSave(*options.keep, dialogs))
        return kCannotRead;
    if (options.output != "-" && session.reportInterruptedSave(session.listFileFor(options.output), dialogs))
        return kCannotWrite;
    if (options.keep && !session.readListFile(*options.keep, dialogs))
        return kCannotRead;
    const GenerationReport report = generate(session, options, dialogs, err, errIsTerminal, interrupts);
    if (report.outcome == GenerationReport::Outcome::RootUnreadable)
        return kNoRoot;
    if (report.outcome == GenerationReport::Outcome::Cancelled)
        return kCancelled;
    bool allChecked = true;
    for (const Step& step : options.steps)
        allChecked = apply(step, session, options, dialogs) && allChecked;
    const int written = writeList(session, options.output, list, dialogs);
    return written == kSuccess && (report.incomplete() || !allChecked) ? kIncomplete : written;
}

}  // namespace dirnal::cli
