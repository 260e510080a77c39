#include "cli/LiveRegistry.h"

#ifdef _WIN32
#include <windows.h>

#include "cli/ArgumentText.h"

namespace {

// Whether the registry has a single view: a 32-bit program on 32-bit Windows
// (IsWow64Process missing, as on Windows 2000, or answering no).
bool HasOneViewOnly() {
#ifdef _WIN64
  return false;
#else
  using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  const FARPROC found = kernel != nullptr ? GetProcAddress(kernel, "IsWow64Process") : nullptr;
  if (found == nullptr) return true;
  const auto isWow64Process =
      reinterpret_cast<IsWow64ProcessFunction>(reinterpret_cast<void*>(found));
  BOOL wow64 = FALSE;
  return !isWow64Process(GetCurrentProcess(), &wow64) || !wow64;
#endif
}

// An open registry key, closed when it goes out of scope.
class RegistryKey {
 public:
  RegistryKey() = default;
  ~RegistryKey() {
    if (m_key != nullptr) RegCloseKey(m_key);
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  // Opens the policy key of the hive for reading in the 64-bit view. Windows
  // 2000 knows no view flags and may refuse them; a system without a 32-bit
  // layer has one view only, so there it is asked again without the flag.
  // Where a 64-bit view exists, a failure is reported, never hidden by a read
  // of the redirected 32-bit view.
  LONG Open(HKEY hive) {
    LONG result = RegOpenKeyExA(hive, kPolicyKeyPath, 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, &m_key);
    if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND && HasOneViewOnly()) {
      result = RegOpenKeyExA(hive, kPolicyKeyPath, 0, KEY_QUERY_VALUE, &m_key);
    }
    if (result != ERROR_SUCCESS) m_key = nullptr;
    return result;
  }
  HKEY Get() const { return m_key; }

 private:
  HKEY m_key = nullptr;
};

std::string Describe(LONG code) {
  if (code == ERROR_ACCESS_DENIED) return "access denied";
  return "Windows error " + std::to_string(code);
}

PolicyValue ReadValue(HKEY key, const wchar_t* name) {
  PolicyValue value;
  DWORD type = 0;
  DWORD size = 0;
  LONG result = RegQueryValueExW(key, name, nullptr, &type, nullptr, &size);
  std::string data(size, '\0');
  // The value may grow between the two calls: ask until it fits.
  while (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
    data.resize(size);
    DWORD got = size;
    result = RegQueryValueExW(key, name, nullptr, &type,
                              reinterpret_cast<BYTE*>(data.empty() ? nullptr : &data[0]), &got);
    if (result == ERROR_SUCCESS) {
      data.resize(got);
      break;
    }
    if (result != ERROR_MORE_DATA) break;
    size = got > size ? got : size + 64;
  }
  if (result == ERROR_FILE_NOT_FOUND) {
    value.state = PolicyValue::State::NotSet;
  } else if (result != ERROR_SUCCESS) {
    value.state = PolicyValue::State::Unreadable;
    value.note = Describe(result);
  } else {
    value.state = PolicyValue::State::Set;
    value.type = type;
    value.data = data;
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
      value.data = Utf8FromUtf16Le(data);
    }
  }
  return value;
}

}  // namespace

bool LiveRegistry::Read(PolicyValues& values, std::string&) {
  const struct {
    PolicyHive hive;
    HKEY handle;
  } kHives[] = {{PolicyHive::LocalMachine, HKEY_LOCAL_MACHINE},
                {PolicyHive::CurrentUser, HKEY_CURRENT_USER}};
  const struct {
    PolicyName name;
    const wchar_t* text;
  } kNames[] = {{PolicyName::NoDrives, L"NoDrives"}, {PolicyName::NoViewOnDrive, L"NoViewOnDrive"}};
  for (const auto& hive : kHives) {
    RegistryKey key;
    const LONG opened = key.Open(hive.handle);
    for (const auto& name : kNames) {
      PolicyValue& value = values.At(hive.hive, name.name);
      value = PolicyValue();
      if (opened == ERROR_FILE_NOT_FOUND) {
        value.state = PolicyValue::State::NotSet;
      } else if (opened != ERROR_SUCCESS) {
        value.state = PolicyValue::State::Unreadable;
        value.note = "the key cannot be opened (" + Describe(opened) + ")";
      } else {
        value = ReadValue(key.Get(), name.text);
      }
    }
  }
  return true;
}

#else

bool LiveRegistry::Read(PolicyValues&, std::string& error) {
  error =
      "show reads the registry of Windows; on this system give a registry export: drivemask "
      "show --from FILE.reg";
  return false;
}

#endif
