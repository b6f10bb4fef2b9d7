// The simulated machine's core: every simulated call is logged here and can
// be made to fail on demand, so tests walk the fault paths.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace sim {

// Called first by every simulated operation with the name of the Windows
// call it stands for. False means "fail this call": the thread's last error
// has then been set to the injected code.
bool Enter(const char* call);

void SetLastError(uint32_t code);
uint32_t LastError();

// Fails the `occurrence`-th call (1 = the next one) of `call` from now on.
void FailCall(const std::string& call, uint32_t error = 5, int occurrence = 1);
// Fails every call of `call` until the next reset.
void FailAlways(const std::string& call, uint32_t error = 5);
// Fails call number `index` (0-based, counted over all calls since the last
// reset). This is what a fault sweep walks.
void FailCallNumber(std::size_t index, uint32_t error = 5);

// Every call made since the last reset, in order.
const std::vector<std::string>& CallLog();
// Whether `first` was called, and called before any `second`.
bool CalledBefore(const std::string& first, const std::string& second);
std::size_t CountCalls(const std::string& call);

// Registers a service's reset; ResetMachine runs them all.
void OnReset(std::function<void()> reset);
// Empties the whole machine: call log, faults and every service.
void ResetMachine();

// The one instance of a simulated service, made on first use, whose state
// ResetMachine puts back to a fresh T.
template <typename T>
T& ServiceInstance() {
  static T* service = [] {
    auto* s = new T();
    OnReset([s] { *s = T(); });
    return s;
  }();
  return *service;
}

}  // namespace sim
