#include "files/ConfigLoad.h"

#include "text/ConfigReader.h"

namespace travo {

void LoadConfigText(T_Command_DEVICE& device, std::string text) {
    device.Reset();
    ReadConfigText(std::move(text), device);
}

void ApplyKeyCarryOver(T_Command_DEVICE& working, const std::string& key) {
    const std::string key1 = working.GetCryptoKey();
    const std::string key2 = working.GetCryptoKeyOld();
    if (key1.empty()) working.SetCryptoKey(!key2.empty() ? key2 : key);
    if (key2.empty() && !key.empty()) working.SetCryptoKeyOld(key);
}

} // namespace travo
