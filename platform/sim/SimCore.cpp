#include "platform/sim/SimCore.h"

#include <algorithm>
#include <map>

#include "platform/Errors.h"

namespace sim {
namespace {

struct PendingFault {
  std::string call;
  uint32_t error;
  int remaining;  // calls to go, this one included
  bool always;
};

struct Core {
  std::vector<std::string> log;
  std::vector<PendingFault> faults;
  bool sweepArmed = false;
  std::size_t sweepIndex = 0;
  uint32_t sweepError = 0;
  uint32_t lastError = 0;
  std::vector<std::function<void()>> resets;
};

Core& TheCore() {
  static Core core;
  return core;
}

}  // namespace

bool Enter(const char* call) {
  Core& c = TheCore();
  const std::size_t number = c.log.size();
  c.log.emplace_back(call);
  if (c.sweepArmed && number == c.sweepIndex) {
    c.lastError = c.sweepError;
    return false;
  }
  // Every pending fault of this call counts the call, so several faults on
  // one call fire at their own occurrences.
  bool fail = false;
  uint32_t error = 0;
  for (auto it = c.faults.begin(); it != c.faults.end();) {
    if (it->call == call && (it->always || --it->remaining == 0)) {
      if (!fail) error = it->error;
      fail = true;
      if (!it->always) {
        it = c.faults.erase(it);
        continue;
      }
    }
    ++it;
  }
  if (fail) {
    c.lastError = error;
    return false;
  }
  return true;
}

void SetLastError(uint32_t code) { TheCore().lastError = code; }
uint32_t LastError() { return TheCore().lastError; }

void FailCall(const std::string& call, uint32_t error, int occurrence) {
  TheCore().faults.push_back({call, error, occurrence < 1 ? 1 : occurrence, false});
}

void FailAlways(const std::string& call, uint32_t error) {
  TheCore().faults.push_back({call, error, 0, true});
}

void FailCallNumber(std::size_t index, uint32_t error) {
  Core& c = TheCore();
  c.sweepArmed = true;
  c.sweepIndex = index;
  c.sweepError = error;
}

const std::vector<std::string>& CallLog() { return TheCore().log; }

bool CalledBefore(const std::string& first, const std::string& second) {
  const auto& log = TheCore().log;
  auto a = std::find(log.begin(), log.end(), first);
  auto b = std::find(log.begin(), log.end(), second);
  return a != log.end() && a < b;
}

std::size_t CountCalls(const std::string& call) {
  const auto& log = TheCore().log;
  return static_cast<std::size_t>(std::count(log.begin(), log.end(), call));
}

void OnReset(std::function<void()> reset) { TheCore().resets.push_back(std::move(reset)); }

void ResetMachine() {
  Core& c = TheCore();
  c.log.clear();
  c.faults.clear();
  c.sweepArmed = false;
  c.lastError = 0;
  for (auto& reset : c.resets) reset();
}

}  // namespace sim

namespace platform {

uint32_t LastErrorCode() { return sim::LastError(); }

std::string SystemErrorText(uint32_t code) {
  // A few texts as Windows words them, enough for the messages tests read.
  static const std::map<uint32_t, std::string> texts = {
      {2, "The system cannot find the file specified.\r\n"},
      {3, "The system cannot find the path specified.\r\n"},
      {5, "Access is denied.\r\n"},
      {87, "The parameter is incorrect.\r\n"},
      {1797, "The printer driver is unknown.\r\n"},
      {1802, "The printer already exists.\r\n"},
  };
  auto it = texts.find(code);
  return it == texts.end() ? std::string() : it->second;
}

}  // namespace platform
