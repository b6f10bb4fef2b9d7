#include <algorithm>
#include <cstring>

#include "platform/Registry.h"
#include "platform/sim/SimCore.h"
#include "platform/sim/SimMachine.h"

namespace sim {
namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::vector<std::string> SplitKeyPath(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path) {
    if (c == '\\') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

}  // namespace

SimRegistry& Registry() { return ServiceInstance<SimRegistry>(); }

static RegNode* RootNode(SimRegistry& r, uintptr_t root) {
  if (root == platform::kHkeyLocalMachine) return &r.hklm;
  if (root == platform::kHkeyCurrentUser) return &r.hkcu;
  auto it = r.open.find(root);
  return it == r.open.end() ? nullptr : it->second;
}

RegNode* SimRegistry::Find(uintptr_t root, const std::string& path) {
  RegNode* node = RootNode(*this, root);
  for (const auto& part : SplitKeyPath(path)) {
    if (!node) return nullptr;
    auto it = node->children.find(Lower(part));
    node = it == node->children.end() ? nullptr : &it->second;
  }
  return node;
}

RegNode& SimRegistry::Ensure(uintptr_t root, const std::string& path) {
  RegNode* node = RootNode(*this, root);
  for (const auto& part : SplitKeyPath(path)) {
    RegNode& child = node->children[Lower(part)];
    if (child.name.empty()) child.name = part;
    node = &child;
  }
  return *node;
}

static void Put(RegNode& node, const std::string& name, RegValue value) {
  for (auto& v : node.values) {
    if (Lower(v.first) == Lower(name)) {
      v.second = std::move(value);
      return;
    }
  }
  node.values.emplace_back(name, std::move(value));
}

void SimRegistry::SetString(uintptr_t root, const std::string& path, const std::string& name,
                            const std::string& text) {
  Put(Ensure(root, path), name, {platform::kRegSz, text + std::string(1, '\0')});
}

void SimRegistry::SetDword(uintptr_t root, const std::string& path, const std::string& name,
                           uint32_t value) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  Put(Ensure(root, path), name, {platform::kRegDword, bytes});
}

const RegValue* SimRegistry::Value(uintptr_t root, const std::string& path,
                                   const std::string& name) {
  RegNode* node = Find(root, path);
  if (!node) return nullptr;
  for (const auto& v : node->values)
    if (Lower(v.first) == Lower(name)) return &v.second;
  return nullptr;
}

void SimRegistry::Remove(uintptr_t root, const std::string& path) {
  auto parts = SplitKeyPath(path);
  if (parts.empty()) return;
  std::string leaf = Lower(parts.back());
  parts.pop_back();
  std::string parent;
  for (const auto& p : parts) parent += p + "\\";
  if (RegNode* node = Find(root, parent)) node->children.erase(leaf);
}

int SimRegistry::OpenKeyCount() const { return static_cast<int>(open.size()); }

}  // namespace sim

namespace platform {

using sim::Registry;

int32_t OpenRegKey(RegKey parent, const std::string& subKey, uint32_t, RegKey* key) {
  if (!sim::Enter("RegOpenKeyExA")) return static_cast<int32_t>(sim::LastError());
  sim::RegNode* node = Registry().Find(parent, subKey);
  if (!node) return static_cast<int32_t>(kErrorFileNotFound);
  RegKey handle = Registry().nextHandle++;
  Registry().open[handle] = node;
  *key = handle;
  return 0;
}

int32_t CreateRegKey(RegKey parent, const std::string& subKey, uint32_t, RegKey* key) {
  if (!sim::Enter("RegCreateKeyExA")) return static_cast<int32_t>(sim::LastError());
  if (parent != kHkeyLocalMachine && parent != kHkeyCurrentUser && !Registry().open.count(parent))
    return static_cast<int32_t>(kErrorInvalidHandle);
  sim::RegNode& node = Registry().Ensure(parent, subKey);
  RegKey handle = Registry().nextHandle++;
  Registry().open[handle] = &node;
  *key = handle;
  return 0;
}

static sim::RegNode* OpenNode(RegKey key) {
  if (key == kHkeyLocalMachine) return &Registry().hklm;
  if (key == kHkeyCurrentUser) return &Registry().hkcu;
  auto it = Registry().open.find(key);
  return it == Registry().open.end() ? nullptr : it->second;
}

int32_t SetRegValue(RegKey key, const std::string& name, uint32_t type, const void* data,
                    uint32_t size) {
  if (!sim::Enter("RegSetValueExA")) return static_cast<int32_t>(sim::LastError());
  sim::RegNode* node = OpenNode(key);
  if (!node) return static_cast<int32_t>(kErrorInvalidHandle);
  sim::Put(*node, name, {type, std::string(static_cast<const char*>(data), size)});
  return 0;
}

int32_t QueryRegValue(RegKey key, const std::string& name, uint32_t* type, void* data,
                      uint32_t* size) {
  if (!sim::Enter("RegQueryValueExA")) return static_cast<int32_t>(sim::LastError());
  sim::RegNode* node = OpenNode(key);
  if (!node) return static_cast<int32_t>(kErrorInvalidHandle);
  for (const auto& v : node->values) {
    if (sim::Lower(v.first) != sim::Lower(name)) continue;
    if (type) *type = v.second.type;
    const auto needed = static_cast<uint32_t>(v.second.data.size());
    if (data && *size < needed) {
      *size = needed;
      return static_cast<int32_t>(kErrorMoreData);
    }
    if (data) std::memcpy(data, v.second.data.data(), needed);
    *size = needed;
    return 0;
  }
  return static_cast<int32_t>(kErrorFileNotFound);
}

int32_t EnumRegValue(RegKey key, uint32_t index, char* name, uint32_t* nameChars, void* data,
                     uint32_t* dataSize) {
  if (!sim::Enter("RegEnumValueA")) return static_cast<int32_t>(sim::LastError());
  sim::RegNode* node = OpenNode(key);
  if (!node) return static_cast<int32_t>(kErrorInvalidHandle);
  if (index >= node->values.size()) return static_cast<int32_t>(kErrorNoMoreItems);
  const auto& v = node->values[index];
  // As Windows: the name needs room for its terminator; the data as stored.
  if (v.first.size() + 1 > *nameChars || v.second.data.size() > *dataSize) {
    return static_cast<int32_t>(kErrorMoreData);
  }
  std::memcpy(name, v.first.c_str(), v.first.size() + 1);
  *nameChars = static_cast<uint32_t>(v.first.size());
  if (data) std::memcpy(data, v.second.data.data(), v.second.data.size());
  *dataSize = static_cast<uint32_t>(v.second.data.size());
  return 0;
}

int32_t CloseRegKey(RegKey key) {
  if (!sim::Enter("RegCloseKey")) return static_cast<int32_t>(sim::LastError());
  return Registry().open.erase(key) ? 0 : static_cast<int32_t>(kErrorInvalidHandle);
}

}  // namespace platform
