#include "platform/Shell.h"
#include "platform/sim/SimCore.h"
#include "platform/sim/SimMachine.h"

namespace sim {

SimShell& Shell() { return ServiceInstance<SimShell>(); }

}  // namespace sim

namespace platform {

bool ShellOpen(WindowHandle owner, const std::string& verb, const std::string& file,
               const std::string& parameters, const std::string& directory, int show) {
  if (!sim::Enter("ShellExecuteA")) return false;
  sim::ShellLaunch launch;
  launch.owner = owner;
  launch.verb = verb;
  launch.file = file;
  launch.parameters = parameters;
  launch.directory = directory;
  launch.show = show;
  sim::Shell().launches.push_back(launch);
  return true;
}

Handle ShellLaunchKeepingProcess(const std::string& verb, const std::string& file,
                                 const std::string& parameters, int show) {
  if (!sim::Enter("ShellExecuteExA")) return kNoHandle;
  sim::ShellLaunch launch;
  launch.verb = verb;
  launch.file = file;
  launch.parameters = parameters;
  launch.show = show;
  launch.keptProcess = true;
  sim::Shell().launches.push_back(launch);
  Handle h = sim::Shell().nextHandle++;
  sim::Shell().processes[h] = sim::Shell().launches.size() - 1;
  return h;
}

void WaitForProcessEnd(Handle process) {
  if (!sim::Enter("WaitForSingleObject")) return;
  auto it = sim::Shell().processes.find(process);
  if (it == sim::Shell().processes.end()) return;
  sim::Shell().launches[it->second].waitedFor = true;
  sim::Shell().processes.erase(it);
}

}  // namespace platform
