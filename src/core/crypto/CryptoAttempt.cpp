#include "crypto/CryptoAttempt.h"

#include "crypto/FileCipher.h"
#include "text/Cp1251.h"

namespace travo {

bool CryptoLoadFromFile(const std::string& path, std::string& key, KeyPrompt& prompt,
                        CryptoErrorReport& errors, std::string& payload) {
    prompt.BeginAttempt();
    bool success = true;
    bool running = true;
    while (running) {
        if (TrimBlanks(key).empty()) success = false;
        while (running && !success) {
            if (prompt.FieldEmpty()) prompt.SetWrongKeyShown(false);
            if (auto typed = prompt.Ask()) {
                key = std::move(*typed);
                success = !TrimBlanks(key).empty();
            } else {
                success = false;
                running = false;
            }
        }
        if (!success) continue;
        CryptoResult result = LoadCryptoFile(path, ExpandKeyText(key));
        switch (result.code) {
        case CryptoRead:
            payload = std::move(result.payload);
            running = false;
            break;
        case CryptoNotProtected:
        case CryptoBadSize:
            errors.ShowCryptoError(result.code);
            success = false;
            running = false;
            break;
        case CryptoBadChecksum:
            prompt.SetWrongKeyShown(true);
            success = false;
            break;
        default: success = false; break;
        }
    }
    return success;
}

CryptoMessage CryptoErrorMessage(int code) {
    const std::string recommendation = W("Проверьте источник файла");
    if (code == CryptoNotProtected) {
        return {W("Ошибка контрольной сигнатуры файла конфигурации - файл не относится к "
                  "устройству") +
                    std::string(41, ' ') + W("\"ТРАВО ВАРНОТ 18кГц 4\""),
                recommendation};
    }
    if (code == CryptoBadSize) {
        return {W("Ошибка размера файла конфигурации - файл не верный "), recommendation};
    }
    return {};
}

} // namespace travo
