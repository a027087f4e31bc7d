#include "core/listing_pool.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <span>

namespace dirnal {

namespace {
// Children of one parent are listed together, in groups of at most this
// many; a small level is cut finer, so that every thread gets work.
constexpr std::size_t kMaxGroup = 64;
using Clock = std::chrono::steady_clock;
}  // namespace

// Directories one thread lists in one go. What its thread writes, it writes
// under the job's own lock and only while the job is not given up; the
// rest is under the state's lock (taken first where both are).
struct ListingPool::Job {
    enum class Kind { Children, One, Identity };
    Kind kind = Kind::Children;
    std::string parent;
    std::vector<std::string> paths;
    std::size_t first = 0;  // where paths[0] goes in the batch's results
    std::vector<char> withIdentity;  // per path: its listing is to carry its identity

    std::vector<DirectoryListing> listings;
    std::optional<DirectoryIdentity> identity;
    std::size_t done = 0;  // listings given so far
    bool started = false;
    bool finished = false;
    std::mutex mutex;
    bool givenUp = false;
    std::size_t worker = 0;
    Clock::time_point since;  // when the listing under way began
};

struct ListingPool::State {
    explicit State(const DirectoryLister& l) : lister(l) {}
    const DirectoryLister& lister;
    std::mutex mutex;
    std::condition_variable work;      // the threads wait for jobs
    std::condition_variable progress;  // the walk waits for listings
    std::deque<std::shared_ptr<Job>> queue;
    std::size_t pending = 0;  // jobs of the batch not yet finished nor given up
    bool stopping = false;
    bool cancelled = false;
};

ListingPool::ListingPool(const DirectoryLister& lister, int concurrentListings, std::chrono::milliseconds timeout,
                         WalkCancel* cancel)
    : state_(std::make_shared<State>(lister)), timeout_(timeout), cancel_(cancel)
{
    for (int i = 0; i < std::max(concurrentListings, 1); ++i)
        threads_.emplace_back(&ListingPool::work, state_, threads_.size());
    if (cancel_ && cancel_->onCancel([state = state_] {
            const std::lock_guard lock(state->mutex);
            state->cancelled = true;
            state->progress.notify_all();
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
        state_->queue.clear();
    }
    state_->work.notify_all();
    // Only idle threads are left here; those still listing were detached.
    for (std::thread& thread : threads_)
        if (thread.joinable())
            thread.join();
}

void ListingPool::work(std::shared_ptr<State> state, std::size_t id)
{
    std::unique_lock lock(state->mutex);
    for (;;) {
        state->work.wait(lock, [&] { return state->stopping || !state->queue.empty(); });
        if (state->stopping)
            return;
        const std::shared_ptr<Job> job = std::move(state->queue.front());
        state->queue.pop_front();
        job->started = true;
        job->worker = id;
        job->since = Clock::now();
        lock.unlock();

        const auto store = [&](std::size_t index, DirectoryListing&& listing) {
            const std::lock_guard stored(job->mutex);
            if (job->givenUp)
                return false;
            job->listings[index] = std::move(listing);
            job->done = index + 1;
            // The walk, woken at the old deadline, times the next from here.
            job->since = Clock::now();
            return true;
        };
        switch (job->kind) {
        case Job::Kind::Children:
            state->lister.listChildren(job->parent, job->paths, [&](std::size_t index, DirectoryListing&& listing) {
                if (job->withIdentity[index] && listing.status == DirectoryListing::Status::Listed && !listing.identity)
                    listing.identity = state->lister.identityOf(job->paths[index]);
                return store(index, std::move(listing));
            });
            break;
        case Job::Kind::One:
            (void)store(0, state->lister.list(job->paths[0]));
            break;
        case Job::Kind::Identity: {
            std::optional<DirectoryIdentity> identity = state->lister.identityOf(job->paths[0]);
            const std::lock_guard stored(job->mutex);
            if (!job->givenUp) {
                job->identity = identity;
                job->done = 1;
            }
            break;
        }
        }

        lock.lock();
        // Given up: another thread has taken this one's place.
        if (const std::lock_guard own(job->mutex); job->givenUp)
            return;
        job->finished = true;
        if (--state->pending == 0)
            state->progress.notify_all();
    }
}

// Under the job's lock.
void ListingPool::leaveBehind(Job& job, bool replace)
{
    job.givenUp = true;
    std::thread& thread = threads_[job.worker];
    thread.detach();
    if (replace)
        thread = std::thread(&ListingPool::work, state_, job.worker);
}

bool ListingPool::run(std::vector<std::shared_ptr<Job>>& jobs)
{
    std::unique_lock lock(state_->mutex);
    for (const std::shared_ptr<Job>& job : jobs)
        state_->queue.push_back(job);
    state_->pending = jobs.size();
    state_->work.notify_all();
    for (;;) {
        if (state_->cancelled) {
            state_->queue.clear();
            for (const std::shared_ptr<Job>& job : jobs)
                if (job->started && !job->finished && !job->givenUp) {
                    const std::lock_guard own(job->mutex);
                    leaveBehind(*job, false);
                }
            return false;
        }
        if (state_->pending == 0)
            return true;
        // Woken when all are done, on a cancel, or when the first listing
        // under way may have run out of time; one not begun yet has all of
        // its time still.
        const Clock::time_point now = Clock::now();
        Clock::time_point deadline = now + timeout_;
        // By index: a job given up leaves the rest of its directories to a new one.
        for (std::size_t j = 0; j < jobs.size(); ++j) {
            Job& job = *jobs[j];
            if (job.finished || job.givenUp || !job.started)
                continue;
            const std::lock_guard own(job.mutex);
            if (job.done >= job.paths.size())
                continue;
            if (now - job.since < timeout_) {
                deadline = std::min(deadline, job.since + timeout_);
                continue;
            }
            leaveBehind(job, true);
            --state_->pending;
            if (job.kind == Job::Kind::Identity)
                continue;
            job.listings[job.done].status = DirectoryListing::Status::TimedOut;
            ++job.done;
            if (job.done < job.paths.size()) {
                auto rest = std::make_shared<Job>();
                rest->parent = job.parent;
                rest->paths.assign(job.paths.begin() + static_cast<std::ptrdiff_t>(job.done), job.paths.end());
                rest->withIdentity.assign(job.withIdentity.begin() + static_cast<std::ptrdiff_t>(job.done),
                                          job.withIdentity.end());
                rest->listings.resize(rest->paths.size());
                rest->first = job.first + job.done;
                state_->queue.push_back(rest);
                jobs.push_back(std::move(rest));
                ++state_->pending;
                state_->work.notify_one();
            }
        }
        if (state_->pending == 0)
            return true;
        state_->progress.wait_until(lock, deadline);
    }
}

std::optional<std::vector<DirectoryListing>> ListingPool::listAll(const std::vector<std::string>& paths,
                                                                  const std::vector<int>& parents,
                                                                  const std::vector<char>& withIdentity,
                                                                  const std::string& root, std::size_t begin,
                                                                  std::size_t end)
{
    const std::size_t groupSize = std::clamp<std::size_t>((end - begin) / (threads_.size() * 4), 1, kMaxGroup);
    std::vector<std::shared_ptr<Job>> jobs;
    for (std::size_t i = begin; i < end;) {
        const int parent = parents[i];
        std::size_t last = i + 1;
        while (last < end && parents[last] == parent && last - i < groupSize)
            ++last;
        auto job = std::make_shared<Job>();
        job->parent = parent < 0 ? root : paths[static_cast<std::size_t>(parent)];
        job->paths.assign(paths.begin() + static_cast<std::ptrdiff_t>(i), paths.begin() + static_cast<std::ptrdiff_t>(last));
        job->withIdentity.assign(withIdentity.begin() + static_cast<std::ptrdiff_t>(i),
                                 withIdentity.begin() + static_cast<std::ptrdiff_t>(last));
        job->listings.resize(last - i);
        job->first = i - begin;
        jobs.push_back(std::move(job));
        i = last;
    }
    if (!run(jobs))
        return std::nullopt;
    std::vector<DirectoryListing> results(end - begin);
    for (const std::shared_ptr<Job>& job : jobs)
        for (std::size_t k = 0; k < job->done; ++k)
            results[job->first + k] = std::move(job->listings[k]);
    return results;
}

std::optional<DirectoryListing> ListingPool::listOne(const std::string& directory)
{
    auto job = std::make_shared<Job>();
    job->kind = Job::Kind::One;
    job->paths = {directory};
    job->listings.resize(1);
    std::vector<std::shared_ptr<Job>> jobs{job};
    if (!run(jobs))
        return std::nullopt;
    return std::move(job->listings[0]);
}

std::optional<ListingPool::Identity> ListingPool::identityOf(const std::string& directory)
{
    auto job = std::make_shared<Job>();
    job->kind = Job::Kind::Identity;
    job->paths = {directory};
    std::vector<std::shared_ptr<Job>> jobs{job};
    if (!run(jobs))
        return std::nullopt;
    return Identity{!job->givenUp, job->identity};
}

}  // namespace dirnal
