#pragma once
// The attempt to open a protected file: try the key at hand, ask for another one
// until the file reads, the installer gives up, or the file is no protected
// configuration at all.
#include <optional>
#include <string>

#include "crypto/CryptoFile.h"

namespace travo {

// The key prompt as the attempt sees it; the window plugs in here.
class KeyPrompt {
public:
    virtual ~KeyPrompt() = default;
    // Shows the wrong-key line; called once at the start of an attempt.
    virtual void BeginAttempt() = 0;
    virtual void SetWrongKeyShown(bool shown) = 0;
    virtual bool FieldEmpty() const = 0;
    // Shows the prompt modally: the field's text on OK, nothing on cancel.
    virtual std::optional<std::string> Ask() = 0;
};

// Where the attempt reports a file that is no protected configuration (code 1)
// or has a bad size (code 2).
class CryptoErrorReport {
public:
    virtual ~CryptoErrorReport() = default;
    virtual void ShowCryptoError(int code) = 0;
};

// key: in, the key to try first without asking (may be empty); out, the key last
// tried or confirmed, exactly as typed. On success payload holds the text.
bool CryptoLoadFromFile(const std::string& path, std::string& key, KeyPrompt& prompt,
                        CryptoErrorReport& errors, std::string& payload);

// The error dialog's texts for codes 1 and 2.
struct CryptoMessage {
    std::string message;
    std::string recommendation;
};
CryptoMessage CryptoErrorMessage(int code);

} // namespace travo
