#include "core/listing_pool.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <span>
#include <system_error>
#include <thread>

#include "core/found_folder.h"
#include "core/level_order.h"

namespace dirnal {

namespace {
using Clock = std::chrono::steady_clock;
using Outcome = FoundFolder::Outcome;
using FolderState = FoundFolder::State;
using AfterListing = DirectoryLister::AfterListing;

// Siblings are listed together, at most this many in one go, so that a
// lister can reach them from their parent once ...
constexpr std::size_t kMaxGroup = 64;
// ... and for about this long at most, as far as the listings so far tell.
// On a share, where every listing is a round trip, that is a few siblings:
// many file systems look up names in one folder one at a time, so siblings
// on threads of their own would only wait for each other. What a listing
// finds is handed out at once all the same, and a thread with nothing to
// do takes over siblings another has not begun.
constexpr double kGroupMicroseconds = 10000;
// Listings that take longer than this wait for the system rather than use
// the processor: then every thread may list. Quicker ones gain nothing from
// more threads than processors, and lose to their switching.
constexpr double kWaitingMicroseconds = 100;
// A listing still under way after this many times as long as listings
// lately take (and at least kSlowFloorMicroseconds) waits on a slow answer:
// it no longer counts against the listings at once, so that the rest of
// the walk goes on at its pace meanwhile, up to twice as many listings.
constexpr double kSlowFactor = 4;
constexpr double kSlowFloorMicroseconds = 2000;
}  // namespace

// Siblings one thread lists in one go: folders first .. first + count - 1.
// What is not constant is under the state's lock.
struct ListingPool::Job {
    int first = 0;
    std::size_t count = 0;                // less once another thread takes over the rest
    const std::string* parent = nullptr;  // null: the job lists the start folder
    std::span<const std::string> paths;
    std::vector<char> withIdentity;  // per folder: at or below a link, so checked against its ancestors
    std::size_t worker = 0;

    std::size_t done = 0;     // listings given so far
    Clock::time_point since;  // when the listing under way began
    bool givenUp = false;
};

struct ListingPool::State : std::enable_shared_from_this<State> {
    State(const DirectoryLister& l, const Settings& s)
        : lister(l), threads(static_cast<std::size_t>(std::max(s.threads, 1))),
          slots(threads > 1 ? 2 * threads : 1),
          processors(std::max<std::size_t>(std::thread::hardware_concurrency(), 1)), maxDepth(s.maxDepth),
          capacity(s.capacity), order(folders, s.capacity), running(slots), workers(slots)
    {
    }

    const DirectoryLister& lister;
    const std::size_t threads;  // listings at once, not counting slow ones
    const std::size_t slots;    // threads at most, slow listings included
    const std::size_t processors;
    const int maxDepth;
    const std::size_t capacity;

    std::mutex mutex;
    std::condition_variable work;  // the threads wait for folders to list
    std::condition_variable walk;  // the walk waits for a level, the end, a cancel or a timeout
    std::string root;
    std::deque<FoundFolder> folders;  // never moves what it holds
    LevelOrder order;
    std::deque<int> inList;  // waiting folders in the list, in its order; the start folder first
    std::deque<int> ahead;   // waiting folders not yet in it, in the order found
    // Folders found that the list takes unless its limit comes first.
    std::size_t found = 0;
    std::vector<std::shared_ptr<Job>> running;  // by thread
    std::size_t runningCount = 0;
    std::size_t idle = 0;
    // Threads begin as the walk finds work for them, in slots 0 .. started - 1.
    std::vector<std::thread> workers;
    std::size_t started = 0;
    int levelsTold = 0;
    double averageMicroseconds = 0;  // a listing's time, lately
    // The same, with slow listings counted as no slower than kSlowFactor
    // times it: what a listing takes when it is not slow.
    double typicalMicroseconds = 0;
    DirectoryListing::Status rootStatus = DirectoryListing::Status::Listed;
    std::optional<FileError> rootError;
    bool stopping = false;
    bool cancelled = false;
    bool leftBehind = false;  // a thread still listing was given up
    std::size_t live = 0;     // threads started and not given up
    std::size_t stuck = 0;    // threads given up that have not come back yet

    bool over() const { return cancelled || order.complete(); }

    // Leaves the queue with a waiting folder in front, if it has one.
    bool pruned(std::deque<int>& queue)
    {
        while (!queue.empty() && folders[static_cast<std::size_t>(queue.front())].state != FolderState::Waiting)
            queue.pop_front();
        return !queue.empty();
    }

    // A folder to list: one in the list, else one ahead of it while the
    // folders found fit into the list (beyond that, listing ahead may be
    // in vain).
    std::deque<int>* nextQueue()
    {
        if (over())
            return nullptr;
        if (pruned(inList))
            return &inList;
        if (found < capacity && pruned(ahead))
            return &ahead;
        return nullptr;
    }

    // Whether another thread is wanted for what waits to be listed, or for
    // siblings another thread has not begun.
    bool wantsAnotherThread()
    {
        return (runningCount <= processors || averageMicroseconds > kWaitingMicroseconds) && mayList() &&
               (nextQueue() || mostToSteal());
    }

    // Wakes an idle thread where another is wanted, or starts one; what the
    // woken or started thread takes may want yet another.
    void callAnother()
    {
        if (!wantsAnotherThread())
            return;
        if (idle > 0)
            work.notify_one();
        else if (started < slots && !stopping && mayStart() && start(started))
            ++started;
    }

    // On a share that has stopped answering every thread gets stuck in
    // turn: the walk never has more than twice `threads`, stuck ones
    // counted, and goes on with fewer.
    bool mayStart() const { return live < slots && live + stuck < 2 * threads; }

    // Starts a thread in the slot; false when the system will not start one.
    // It counts as idle at once, so that no other is started for the work
    // it is about to take.
    bool start(std::size_t id)
    {
        try {
            workers[id] = std::thread(&ListingPool::work, shared_from_this(), id);
            ++idle;
            ++live;
            return true;
        } catch (const std::system_error&) {
            return false;
        }
    }

    // Whether another listing may begin. That a listing has become slow is
    // noticed when the walk next hears from any other.
    bool mayList() const { return mayRun(runningCount); }

    // Whether `others` listings running leave room for one more.
    bool mayRun(std::size_t others) const
    {
        if (others < threads)
            return true;
        if (others >= slots)
            return false;
        const auto slowAfter = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double, std::micro>(
            std::max(kSlowFactor * typicalMicroseconds, kSlowFloorMicroseconds)));
        const Clock::time_point startedBefore = Clock::now() - slowAfter;
        std::size_t slow = 0;
        for (const std::shared_ptr<Job>& job : running)
            if (job && job->done < job->count && job->since < startedBefore)
                ++slow;
        return others < threads + slow;
    }

    // The running job with the most siblings not begun yet, if any has one.
    Job* mostToSteal() const
    {
        if (over())
            return nullptr;
        Job* most = nullptr;
        for (const std::shared_ptr<Job>& job : running)
            if (job && job->count - job->done > (most ? most->count - most->done : 1))
                most = job.get();
        return most;
    }

    std::size_t groupSize() const
    {
        const std::size_t waiting = inList.size() + ahead.size();
        std::size_t size = std::clamp<std::size_t>(waiting / (threads * 2), 1, kMaxGroup);
        if (averageMicroseconds * static_cast<double>(size) > kGroupMicroseconds)
            size = std::max<std::size_t>(1, static_cast<std::size_t>(kGroupMicroseconds / averageMicroseconds));
        return size;
    }

    std::shared_ptr<Job> takeJob(std::deque<int>& queue, std::size_t id)
    {
        const int first = queue.front();
        queue.pop_front();
        const int parent = folders[static_cast<std::size_t>(first)].parent;
        std::size_t count = 1;
        for (const std::size_t most = groupSize(); count < most && !queue.empty(); ++count) {
            const int next = queue.front();
            const FoundFolder& folder = folders[static_cast<std::size_t>(next)];
            if (next != first + static_cast<int>(count) || folder.parent != parent ||
                folder.state != FolderState::Waiting)
                break;
            queue.pop_front();
        }
        for (std::size_t i = 0; i < count; ++i)
            folders[static_cast<std::size_t>(first) + i].state = FolderState::Listing;
        return startJob(first, count, id);
    }

    // With nothing left to list, a thread takes over the second half of
    // the siblings another has not begun yet: no thread waits while
    // another still has folders in hand.
    std::shared_ptr<Job> steal(std::size_t id)
    {
        Job* const most = mostToSteal();
        if (!most)
            return nullptr;
        // The first of those left is being listed; of the rest the owner
        // keeps the first half.
        const std::size_t taken = (most->count - most->done) / 2;
        most->count -= taken;
        return startJob(most->first + static_cast<int>(most->count), taken, id);
    }

    // For folders first .. first + count - 1, siblings, marked as listed.
    std::shared_ptr<Job> startJob(int first, std::size_t count, std::size_t id)
    {
        auto job = std::make_shared<Job>();
        aim(*job, first, count);
        job->worker = id;
        job->since = Clock::now();
        running[id] = job;
        ++runningCount;
        return job;
    }

    // Points the job at folders first .. first + count - 1, none listed yet.
    void aim(Job& job, int first, std::size_t count)
    {
        job.first = first;
        job.count = count;
        job.done = 0;
        job.withIdentity.clear();
        for (std::size_t i = 0; i < count; ++i)
            job.withIdentity.push_back(folders[static_cast<std::size_t>(first) + i].belowLink ? 1 : 0);
        const int parent = folders[static_cast<std::size_t>(first)].parent;
        if (parent < 0) {
            job.paths = std::span<const std::string>(&root, 1);
        } else {
            const FoundFolder& above = folders[static_cast<std::size_t>(parent)];
            job.parent = above.path;
            job.paths = std::span<const std::string>(above.subdirectories)
                            .subspan(static_cast<std::size_t>(first - above.firstChild), count);
        }
    }

    // The thread that has just listed the last folder of its job goes on
    // with that folder's subfolders, as many as a job takes, where the
    // queues would give them: no other thread is woken for them, and the
    // lister reaches them from the folder it still has open.
    std::span<const std::string> goOnBelow(Job& job, int number)
    {
        const FoundFolder& folder = folders[static_cast<std::size_t>(number)];
        if (over() || folder.state != FolderState::Answered || folder.outcome != Outcome::Expanded ||
            !mayRun(runningCount - 1))
            return {};
        const auto listable = [&](int child) {
            const FoundFolder& below = folders[static_cast<std::size_t>(child)];
            return below.state == FolderState::Waiting && (below.placed || found < capacity);
        };
        const int end = folder.firstChild + static_cast<int>(folder.subdirectories.size());
        int first = folder.firstChild;
        while (first < end && folders[static_cast<std::size_t>(first)].state != FolderState::Waiting)
            ++first;
        if (first == end || !listable(first))
            return {};
        std::size_t count = 1;
        for (const std::size_t most = groupSize(); count < most && first + static_cast<int>(count) < end &&
                                                   listable(first + static_cast<int>(count));)
            ++count;
        for (std::size_t i = 0; i < count; ++i)
            folders[static_cast<std::size_t>(first) + i].state = FolderState::Listing;
        aim(job, first, count);
        return job.paths;
    }

    void list(Job& job)
    {
        const auto answer = [&](std::size_t i, DirectoryListing&& listing) { return answered(job, i, std::move(listing)); };
        if (job.parent) {
            lister.listChildren(*job.parent, job.paths, answer);
            return;
        }
        const AfterListing next = answer(0, lister.list(root));
        if (next.more && !next.below.empty())
            lister.listChildren(root, next.below, answer);
    }

    // What the job's thread lists next: the rest of the job, the folder's
    // subfolders, or nothing.
    AfterListing answered(Job& job, std::size_t i, DirectoryListing&& listing)
    {
        Outcome outcome = Outcome::Expanded;
        if (job.withIdentity[i] && listing.status == DirectoryListing::Status::Listed) {
            if (!listing.identity)
                listing.identity = lister.identityOf(job.paths[i]);
            const std::optional<Outcome> ancestry = ancestryOf(job, job.first + static_cast<int>(i), listing.identity);
            if (!ancestry)
                return {.more = false, .below = {}};
            outcome = *ancestry;
        }
        // Timed before the lock, which other threads may hold meanwhile:
        // what others do is no part of this listing's time.
        const Clock::time_point now = Clock::now();
        const std::lock_guard lock(mutex);
        if (job.givenUp || over())
            return {.more = false, .below = {}};
        const double took = std::chrono::duration<double, std::micro>(now - job.since).count();
        averageMicroseconds += (took - averageMicroseconds) / 8;
        typicalMicroseconds = typicalMicroseconds > 0
                                  ? typicalMicroseconds + (std::min(took, kSlowFactor * typicalMicroseconds) -
                                                           typicalMicroseconds) / 8
                                  : took;
        job.done = i + 1;
        const int number = job.first + static_cast<int>(i);
        record(number, std::move(listing), outcome);
        // Another thread may have taken over the rest meanwhile.
        AfterListing next{.more = job.done < job.count, .below = {}};
        if (!next.more) {
            next.below = goOnBelow(job, number);
            next.more = !next.below.empty();
        }
        wake();
        // The walk, woken at the old deadline, times the next from here.
        job.since = Clock::now();
        return next;
    }

    // Whether the folder is one of its own ancestors, asking for the
    // identities not known yet, from its parent up; none when the job was
    // given up or the walk is over meanwhile.
    std::optional<Outcome> ancestryOf(const Job& job, int number, const std::optional<DirectoryIdentity>& self)
    {
        if (!self)
            return Outcome::Expanded;
        std::unique_lock lock(mutex);
        for (int p = folders[static_cast<std::size_t>(number)].parent; p >= 0;) {
            if (job.givenUp || over())
                return std::nullopt;
            FoundFolder& ancestor = folders[static_cast<std::size_t>(p)];
            if (!ancestor.identityKnown) {
                const std::string& path = *ancestor.path;
                lock.unlock();
                const std::optional<DirectoryIdentity> identity = lister.identityOf(path);
                lock.lock();
                if (job.givenUp)
                    return std::nullopt;
                ancestor.identity = identity;
                ancestor.identityKnown = true;
            }
            if (ancestor.identity == self)
                return Outcome::OwnAncestor;
            p = ancestor.parent;
        }
        return Outcome::Expanded;
    }

    // Under the lock.
    void store(int number, DirectoryListing&& listing, Outcome outcome)
    {
        record(number, std::move(listing), outcome);
        wake();
    }

    // Under the lock; the list takes what it can.
    void record(int number, DirectoryListing&& listing, Outcome outcome)
    {
        FoundFolder& folder = folders[static_cast<std::size_t>(number)];
        folder.state = FolderState::Answered;
        if (listing.identity) {
            folder.identity = listing.identity;
            folder.identityKnown = true;
        }
        if (number == 0) {
            rootStatus = listing.status;
            rootError = listing.error;
        }
        switch (listing.status) {
        case DirectoryListing::Status::NotADirectory:
            folder.outcome = Outcome::Vanished;
            break;
        case DirectoryListing::Status::Unreadable:
            folder.outcome = Outcome::Unreadable;
            break;
        case DirectoryListing::Status::TimedOut:
            folder.outcome = Outcome::TimedOut;
            break;
        case DirectoryListing::Status::Listed:
            folder.outcome = outcome;
            if (outcome == Outcome::Expanded)
                addSubdirectories(number, std::move(listing));
            break;
        }
        order.advance([this](int child) {
            if (folders[static_cast<std::size_t>(child)].state == FolderState::Waiting)
                inList.push_back(child);
        });
    }

    void addSubdirectories(int number, DirectoryListing&& listing)
    {
        FoundFolder& folder = folders[static_cast<std::size_t>(number)];
        folder.subdirectories = std::move(listing.subdirectories);
        folder.firstChild = static_cast<int>(folders.size());
        const bool linksKnown = listing.throughLink.size() == folder.subdirectories.size();
        for (std::size_t k = 0; k < folder.subdirectories.size(); ++k) {
            FoundFolder& child = folders.emplace_back();
            child.path = &folder.subdirectories[k];
            child.parent = number;
            child.depth = folder.depth + 1;
            child.belowLink = folder.belowLink || !linksKnown || listing.throughLink[k];
            const std::string& path = *child.path;
            if (path.find('\n') != std::string::npos || path.find('\r') != std::string::npos) {
                child.lineBreak = true;
                child.state = FolderState::NotListed;
                continue;
            }
            ++found;
            if (maxDepth > 0 && child.depth >= maxDepth)
                child.state = FolderState::NotListed;
            else
                ahead.push_back(folder.firstChild + static_cast<int>(k));
        }
    }

    // With no thread left to list them, the folders still to be listed
    // count as not answered in time.
    void passOverWaiting()
    {
        while (!order.complete() && pruned(inList)) {
            const int number = inList.front();
            inList.pop_front();
            DirectoryListing timedOut;
            timedOut.status = DirectoryListing::Status::TimedOut;
            store(number, std::move(timedOut), Outcome::Expanded);
        }
    }

    // Wakes whom what is recorded concerns.
    void wake()
    {
        callAnother();
        if (order.levels() != levelsTold || (order.complete() && runningCount == 0)) {
            levelsTold = order.levels();
            walk.notify_all();
        }
    }
};

ListingPool::ListingPool(const DirectoryLister& lister, const Settings& settings)
    : state_(std::make_shared<State>(lister, settings)), timeout_(settings.timeout), cancel_(settings.cancel)
{
    // A thread the system will not start leaves the walk to fewer; the
    // first it must start.
    {
        const std::lock_guard lock(state_->mutex);
        if (!state_->start(0))
            throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
        state_->started = 1;
    }
    if (cancel_ && cancel_->onCancel([state = state_] {
            const std::lock_guard lock(state->mutex);
            state->cancelled = true;
            state->walk.notify_all();
        })) {
        const std::lock_guard lock(state_->mutex);
        state_->cancelled = true;
    }
}

ListingPool::~ListingPool()
{
    if (cancel_)
        cancel_->onCancel({});
    {
        const std::lock_guard lock(state_->mutex);
        state_->stopping = true;
    }
    state_->work.notify_all();
    // Only idle threads are left here; those still listing were detached.
    // None starts any more.
    for (std::thread& thread : state_->workers)
        if (thread.joinable())
            thread.join();
}

void ListingPool::work(std::shared_ptr<State> state, std::size_t id)
{
    State& s = *state;
    std::unique_lock lock(s.mutex);
    // Idle from its start (see start()) and after every job.
    for (;;) {
        std::deque<int>* queue = nullptr;
        std::shared_ptr<Job> job;
        s.work.wait(lock, [&] {
            return s.stopping || (s.mayList() && ((queue = s.nextQueue()) || (job = s.steal(id))));
        });
        --s.idle;
        if (s.stopping)
            return;
        if (!job)
            job = s.takeJob(*queue, id);
        s.callAnother();
        lock.unlock();

        s.list(*job);

        lock.lock();
        // Given up: another thread has taken this one's place, or will
        // now that this one is back.
        if (job->givenUp) {
            --s.stuck;
            s.walk.notify_all();
            return;
        }
        s.running[id].reset();
        if (--s.runningCount == 0 && s.order.complete())
            s.walk.notify_all();
        ++s.idle;
    }
}

// Under the state's lock.
void ListingPool::giveUp(Job& job, bool replace)
{
    State& s = *state_;
    job.givenUp = true;
    s.leftBehind = true;
    ++s.stuck;
    s.running[job.worker].reset();
    --s.runningCount;
    s.workers[job.worker].detach();
    --s.live;
    if (replace && s.mayStart())
        (void)s.start(job.worker);
}

ListingPool::Walk ListingPool::walk(const std::string& root, const std::function<void(int found)>& progress)
{
    State& s = *state_;
    std::unique_lock lock(s.mutex);
    s.root = root;
    FoundFolder& top = s.folders.emplace_back();
    top.path = &s.root;
    top.placed = true;
    s.inList.push_back(0);
    s.work.notify_one();

    int levelsReported = 0;
    std::size_t foundReported = 0;
    for (;;) {
        if (s.cancelled) {
            for (const std::shared_ptr<Job>& job : s.running)
                if (job)
                    giveUp(*job, false);
            Walk cancelled;
            cancelled.report.outcome = GenerationReport::Outcome::Cancelled;
            return cancelled;
        }
        if (s.order.complete() && s.runningCount == 0)
            break;
        if (progress && s.order.levels() != levelsReported) {
            levelsReported = s.order.levels();
            foundReported = s.order.found();
            lock.unlock();
            progress(static_cast<int>(foundReported));
            lock.lock();
            continue;
        }
        // Woken at the end, on a cancel, after a level, or when the first
        // listing under way may have run out of time; one that begins
        // after now has all of its time still.
        const Clock::time_point now = Clock::now();
        Clock::time_point deadline = now + timeout_;
        for (std::size_t id = 0; id < s.running.size(); ++id) {
            const std::shared_ptr<Job> job = s.running[id];
            if (!job || job->done >= job->count)
                continue;
            if (now - job->since < timeout_) {
                deadline = std::min(deadline, job->since + timeout_);
                continue;
            }
            giveUp(*job, !s.order.complete());
            // The rest of its folders wait again, in front.
            for (std::size_t i = job->count; i-- > job->done + 1;) {
                const int number = job->first + static_cast<int>(i);
                FoundFolder& folder = s.folders[static_cast<std::size_t>(number)];
                folder.state = FolderState::Waiting;
                (folder.placed ? s.inList : s.ahead).push_front(number);
            }
            DirectoryListing timedOut;
            timedOut.status = DirectoryListing::Status::TimedOut;
            s.store(job->first + static_cast<int>(job->done), std::move(timedOut), Outcome::Expanded);
        }
        // A thread that could not be replaced is tried again.
        if (!s.over())
            for (std::size_t id = 0; id < s.started; ++id)
                if (!s.workers[id].joinable() && s.mayStart())
                    (void)s.start(id);
        if (s.live == 0)
            s.passOverWaiting();
        if (s.order.complete() && s.runningCount == 0)
            continue;
        s.walk.wait_until(lock, deadline);
    }

    Walk walk;
    if (s.rootStatus != DirectoryListing::Status::Listed) {
        walk.report.outcome = GenerationReport::Outcome::RootUnreadable;
        walk.report.rootStatus = s.rootStatus;
        walk.report.rootError = s.rootError;
        return walk;
    }
    walk.report = s.order.report();
    walk.report.total = static_cast<int>(s.order.found());
    // A thread left behind may still read the paths of its folders.
    walk.paths = s.order.paths(!s.leftBehind);
    lock.unlock();
    if (progress && foundReported != walk.paths.size())
        progress(walk.report.total);
    return walk;
}

}  // namespace dirnal
