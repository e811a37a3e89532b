#pragma once
// A configuration with something in every corner, for round trips and benchmarks.
#include "model/Device.h"
#include "text/Cp1251.h"

namespace travo::test {

inline T_Command_DEVICE RichConfig() {
    T_Command_DEVICE d;
    d.Reset();
    d.SetVersion(W("Варнот-GSM v.4.0.4 сборка 7"));
    d.SetCryptoKey(W("Ключ 2024 abc"));
    d.SetCryptoKeyOld("old-key");
    d.SetPassword("12345");
    d.Commands(kind::DeviceName)[0].SetText(1, W("Склад №3"));
    d.SetLockNoIP(false);
    d.SetLogEnable(false);
    d.SetIntZummer(4);
    d.SetSirena(0);
    d.SetSirenaParts(PartSet{1, 3, 4});
    d.SetAccel(5);
    d.SetExtIndic(999);
    d.SetShleifName(1, W("Вход"));
    d.SetShleifName(4, "Z-4 back");
    d.SetShleifType(1, 1);
    d.SetShleifDelay(1, 30);
    d.SetShleifType(2, 15);
    d.SetShleifType(3, 14);
    d.SetShleifType(4, 16);
    d.SetShleifDelay(4, 180);
    d.SetShleifPart(3, 0);
    d.SetShleifPart(2, 4);
    d.SetPartDelay(3, 0);
    d.SetPartDelay(4, 180);
    d.SetReleType(3, 10);
    d.SetReleDelay(3, 5);
    d.SetReleParts(3, PartSet{2});
    d.SetReleParts(4, PartSet{1, 2, 3, 4});
    d.SetReleType(4, 9);
    d.SetActiveKTS(true);
    d.SetAlarmRepeat(9);
    d.SetUnlockMode(false);
    d.SetEnterEnable(true);
    d.SetIndicZone(4);
    d.SetActiveTamper(false);
    d.SetPowerOffMode(1);
    // Holes in a list are kept in memory, dropped in the text.
    d.Commands(kind::UserParts)[9].SetItem(1, 0);
    d.Commands(kind::UserParts)[9].SetItem(3, 2);
    for (int u : {1, 2, 99, 100, 101, 250}) {
        d.SetKeyName(u, W("Петров") + std::to_string(u % 10));
        d.SetKeyType(u, u % 3);
        d.SetKeyCode(u, "0A1B2C" + std::to_string(u));
        d.SetKeyParts(u, PartSet{static_cast<int>(u % 4) + 1});
    }
    d.SetKeyName(5, "ABCDEFGHIJ");
    d.Commands(kind::User)[6].SetText(2, std::string(12, '*'));
    d.SetKeyCode(8, "0000000000FF");
    d.SetKeyParts(9, PartSet{});
    return d;
}

} // namespace travo::test
