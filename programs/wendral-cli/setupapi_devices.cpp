#include "setupapi_devices.h"

#include <windows.h>
#include <setupapi.h>

#include <set>

#include "win32/system_libraries.h"
#include "win32/wide_text.h"

namespace wendral::win32 {
namespace {

// On Windows XP setupapi is no known DLL: imported, it would be looked for beside the
// program first, so it is loaded from the system folder and its functions looked up.
struct Functions {
  decltype(&SetupDiGetClassDevsW) getClassDevs;
  decltype(&SetupDiEnumDeviceInfo) enumDeviceInfo;
  decltype(&SetupDiGetDeviceInstanceIdW) getInstanceId;
  decltype(&SetupDiGetDeviceRegistryPropertyW) getProperty;
  decltype(&SetupDiCreateDeviceInfoList) createList;
  decltype(&SetupDiOpenDeviceInfoW) openDeviceInfo;
  decltype(&SetupDiSetClassInstallParamsW) setClassInstallParams;
  decltype(&SetupDiCallClassInstaller) callClassInstaller;
  decltype(&SetupDiGetDeviceInstallParamsW) getInstallParams;
  decltype(&SetupDiDestroyDeviceInfoList) destroyList;
};

// GUID_DEVCLASS_NET, the class of the adapter keys the slots live in.
constexpr GUID kNetClass = {0x4d36e972, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};

template <typename Function>
bool Find(HMODULE module, const char* name, Function* function) {
  *function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  return *function != nullptr;
}

std::wstring Property(const Functions& api, HDEVINFO set, SP_DEVINFO_DATA* device, DWORD property) {
  DWORD type = 0;
  DWORD size = 0;
  api.getProperty(set, device, property, &type, nullptr, 0, &size);
  if (size == 0) return {};
  std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
  if (!api.getProperty(set, device, property, &type, reinterpret_cast<BYTE*>(text.data()), size, nullptr) ||
      type != REG_SZ) {
    return {};
  }
  return text.substr(0, text.find(L'\0'));
}

std::wstring InstanceId(const Functions& api, HDEVINFO set, SP_DEVINFO_DATA* device) {
  DWORD size = 0;
  api.getInstanceId(set, device, nullptr, 0, &size);
  std::wstring id(size + 1, L'\0');
  if (size == 0 || !api.getInstanceId(set, device, id.data(), static_cast<DWORD>(id.size()), nullptr)) return {};
  return id.substr(0, id.find(L'\0'));
}

cli::RestartResult Failed() { return {cli::RestartOutcome::Failed, static_cast<std::uint32_t>(GetLastError())}; }

// A property change through the class installer: the device stops and starts again, as the
// system's own device tools do it. Never SetupDiChangeState itself, which the class
// installer calls when it runs the default handler.
cli::RestartResult PropertyChange(const Functions& api, HDEVINFO set, const std::wstring& instanceId) {
  SP_DEVINFO_DATA device{};
  device.cbSize = sizeof device;
  if (!api.openDeviceInfo(set, instanceId.c_str(), nullptr, 0, &device)) return Failed();
  SP_PROPCHANGE_PARAMS change{};
  change.ClassInstallHeader.cbSize = sizeof change.ClassInstallHeader;
  change.ClassInstallHeader.InstallFunction = DIF_PROPERTYCHANGE;
  change.StateChange = DICS_PROPCHANGE;
  change.Scope = DICS_FLAG_CONFIGSPECIFIC;  // the current hardware profile
  change.HwProfile = 0;
  if (!api.setClassInstallParams(set, &device, &change.ClassInstallHeader, sizeof change)) return Failed();
  if (!api.callClassInstaller(DIF_PROPERTYCHANGE, set, &device)) return Failed();
  SP_DEVINSTALL_PARAMS_W install{};
  install.cbSize = sizeof install;
  if (api.getInstallParams(set, &device, &install) && (install.Flags & (DI_NEEDRESTART | DI_NEEDREBOOT)) != 0) {
    return {cli::RestartOutcome::NeedsReboot, 0};
  }
  return {cli::RestartOutcome::Restarted, 0};
}

// Loaded on first use, so commands that need no device never load it; null when it failed,
// with *error set.
const Functions* LoadSetupApi(std::uint32_t* error) {
  static DWORD failure = 0;
  static const Functions* const loaded = [] {
    static Functions api{};
    const HMODULE module = LoadSystemLibrary(L"setupapi.dll");
    const bool found = module && Find(module, "SetupDiGetClassDevsW", &api.getClassDevs) &&
                       Find(module, "SetupDiEnumDeviceInfo", &api.enumDeviceInfo) &&
                       Find(module, "SetupDiGetDeviceInstanceIdW", &api.getInstanceId) &&
                       Find(module, "SetupDiGetDeviceRegistryPropertyW", &api.getProperty) &&
                       Find(module, "SetupDiCreateDeviceInfoList", &api.createList) &&
                       Find(module, "SetupDiOpenDeviceInfoW", &api.openDeviceInfo) &&
                       Find(module, "SetupDiSetClassInstallParamsW", &api.setClassInstallParams) &&
                       Find(module, "SetupDiCallClassInstaller", &api.callClassInstaller) &&
                       Find(module, "SetupDiGetDeviceInstallParamsW", &api.getInstallParams) &&
                       Find(module, "SetupDiDestroyDeviceInfoList", &api.destroyList);
    if (!found) failure = GetLastError();
    return found ? &api : nullptr;
  }();
  if (!loaded) *error = failure;
  return loaded;
}

}  // namespace

std::optional<std::vector<cli::NetworkDevice>> SetupApiDevices::List(std::uint32_t* error) {
  const Functions* api = LoadSetupApi(error);
  if (!api) return std::nullopt;
  std::set<std::wstring> present;
  std::vector<cli::NetworkDevice> devices;
  // The present devices first, then all of them: only the second list holds unplugged ones.
  for (const DWORD flags : {static_cast<DWORD>(DIGCF_PRESENT), DWORD{0}}) {
    const HDEVINFO set = api->getClassDevs(&kNetClass, nullptr, nullptr, flags);
    if (set == INVALID_HANDLE_VALUE) {
      *error = GetLastError();
      return std::nullopt;
    }
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD index = 0; api->enumDeviceInfo(set, index, &device); ++index) {
      const std::wstring id = InstanceId(*api, set, &device);
      if (flags != 0) {
        present.insert(id);
        continue;
      }
      std::wstring description = Property(*api, set, &device, SPDRP_FRIENDLYNAME);
      if (description.empty()) description = Property(*api, set, &device, SPDRP_DEVICEDESC);
      devices.push_back({Narrow(id), Narrow(description), Narrow(Property(*api, set, &device, SPDRP_DRIVER)),
                         present.count(id) != 0});
    }
    api->destroyList(set);
  }
  return devices;
}

cli::RestartResult SetupApiDevices::Restart(const cli::NetworkDevice& device) {
  std::uint32_t error = 0;
  const Functions* api = LoadSetupApi(&error);
  if (!api) return {cli::RestartOutcome::Failed, error};
  const HDEVINFO set = api->createList(&kNetClass, nullptr);
  if (set == INVALID_HANDLE_VALUE) return Failed();
  const cli::RestartResult result = PropertyChange(*api, set, Widen(device.instanceId));
  api->destroyList(set);
  return result;
}

}  // namespace wendral::win32
