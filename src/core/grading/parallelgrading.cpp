#include "core/grading/parallelgrading.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

#include "core/grading/programgrader.h"

namespace tav2 {

namespace {

// A program whose grading failed (memory ran out, say) fails its cases
// with the reason as its build error, and the other programs go on.
ProgramResult GradeOrFail(const ProgramGrader& grader, const std::string& program) {
  try {
    return grader.Grade(program);
  } catch (const std::exception& error) {
    ProgramResult result;
    result.program = program;
    result.buildErrors.push_back(std::string("grading failed: ") + error.what());
    return result;
  }
}

}  // namespace

std::vector<ProgramResult> ParallelGrading::Run(const ProgramGrader& grader,
                                                const std::vector<std::string>& programs, unsigned jobs,
                                                const std::function<void(const ProgramResult&)>& ready) {
  std::vector<std::optional<ProgramResult>> done(programs.size());
  std::mutex mutex;
  std::condition_variable finished;
  std::atomic<std::size_t> next{0};
  const auto work = [&] {
    for (std::size_t i = next++; i < programs.size(); i = next++) {
      ProgramResult result = GradeOrFail(grader, programs[i]);
      {
        const std::lock_guard lock(mutex);
        done[i] = std::move(result);
      }
      finished.notify_all();
    }
  };
  std::vector<std::jthread> workers;
  const std::size_t threads = std::clamp<std::size_t>(jobs, 1, std::max<std::size_t>(programs.size(), 1));
  for (std::size_t t = 0; t < threads; ++t) workers.emplace_back(work);

  for (std::size_t i = 0; i < programs.size(); ++i) {
    std::unique_lock lock(mutex);
    finished.wait(lock, [&] { return done[i].has_value(); });
    lock.unlock();
    ready(*done[i]);
  }
  workers.clear();
  std::vector<ProgramResult> results;
  results.reserve(programs.size());
  for (std::optional<ProgramResult>& result : done) results.push_back(std::move(*result));
  return results;
}

}  // namespace tav2
