#pragma once
// The editor's validation rules as data plus logic, in the order the validation run
// takes them. Nothing here shows a window: the editor drives its dialogs over it.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/Device.h"

namespace travo {

enum class Page : std::uint8_t { Common, Mode, Indic, Parts, Shleifs, Rele, Keys };

// The tab caption of a page, Windows-1251.
const std::string& PageCaption(Page page);

// Modes, Indication, Partitions, Zones, Relays, Keys, Common.
const std::array<Page, 7>& ValidationOrder();

// What "Исправить" focuses: a control by name, and for a grid its cell.
struct FocusTarget {
    std::string control;
    int row = 0; // 0 for a plain control
    int column = 0;
};

struct Fault {
    Page page;
    std::string message; // Windows-1251
    std::string recommendation;
    // A range error offers "Установить \"по-умолчанию\"" beside "Исправить".
    bool defaultAllowed = false;
    FocusTarget focus;
    // Puts the catalogue default into the faulty value (when defaultAllowed).
    std::function<void(T_Command_DEVICE&)> setDefault;
};

// One step of a page check: one rule, or one zone's rules (its first failing one).
using CheckStep = std::function<std::optional<Fault>(const T_Command_DEVICE&)>;

// A page's steps in rule order; each is evaluated on the configuration as it is then,
// so a default set for one step is seen by the next.
std::vector<CheckStep> PageChecks(Page page);

// Every fault of every page in validation order, as a batch check reports them;
// the configuration is not changed.
std::vector<Fault> AllFaults(const T_Command_DEVICE& device);

} // namespace travo
