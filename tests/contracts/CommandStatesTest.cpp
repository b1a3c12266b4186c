#include "contracts/CommandStates.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <set>

using namespace contracts;

namespace {

CommandInputs openDossier(bool empty, bool atFirst, bool atLast, bool editing = false) {
    return {.databaseExists = true,
            .anyDossier = true,
            .dossierOpen = true,
            .editing = editing,
            .empty = empty,
            .atFirst = atFirst,
            .atLast = atLast};
}

// The names of the flags that are on.
std::set<QString> enabled(const CommandStates& states) {
    std::set<QString> names;
    for (const auto& [name, on] : NamedCommandStates(states))
        if (on)
            names.insert(name);
    return names;
}

} // namespace

TEST(CommandStates, WithoutADossierOnlyTheFileMenuAndTheToolsMenuAreUsable) {
    const struct {
        const char* situation;
        CommandInputs inputs;
        std::set<QString> expected;
    } cases[] = {
        {"no database", {.databaseExists = false}, {"Popup_File_Properties", "Popup_File_Exit"}},
        {"database without dossiers",
         {.databaseExists = true, .anyDossier = false},
         {"Popup_File_Add", "Popup_Tools", "Popup_Tools_DataBase", "Popup_File_Properties",
          "Popup_File_Exit"}},
        {"dossiers, none open",
         {.databaseExists = true, .anyDossier = true},
         {"Popup_File_Open", "Popup_File_Add", "Popup_Tools", "Popup_Tools_DataBase", "Popup_File_Properties",
          "Popup_File_Exit"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(enabled(ComputeCommandStates(c.inputs)), c.expected) << c.situation;
}

TEST(CommandStates, AnOpenDossierEnablesTheRecordAndNavigationFollowsThePosition) {
    const struct {
        const char* situation;
        CommandInputs inputs;
        bool first, prior, next, last, remove, record, children;
    } cases[] = {
        {"empty", openDossier(true, true, true), false, false, false, false, false, false, false},
        {"at the first of several", openDossier(false, true, false), false, false, true, true, true, false,
         true},
        {"in the middle", openDossier(false, false, false), true, true, true, true, true, false, true},
        {"at the last", openDossier(false, false, true), true, true, false, false, true, false, true},
        {"the only one", openDossier(false, true, true), false, false, false, false, true, false, true},
        {"editing the last", openDossier(false, false, true, true), true, true, false, false, true, true,
         true},
    };
    for (const auto& c : cases) {
        const CommandStates s = ComputeCommandStates(c.inputs);
        EXPECT_EQ(s.Btn_Main_First, c.first) << c.situation;
        EXPECT_EQ(s.Btn_Main_Prior, c.prior) << c.situation;
        EXPECT_EQ(s.Btn_Main_Next, c.next) << c.situation;
        EXPECT_EQ(s.Btn_Main_Last, c.last) << c.situation;
        EXPECT_EQ(s.Btn_Main_Delete, c.remove) << c.situation;
        EXPECT_EQ(s.Btn_Main_Record, c.record) << c.situation;
        EXPECT_EQ(s.contractChildCommands, c.children) << c.situation;
        // Whatever the position: adding, the tree, the fields and the dossier commands.
        EXPECT_TRUE(s.Btn_Main_Add && s.Tree_Global && s.Ed_Designation && s.Btn_Delete_Category &&
                    s.Btn_State)
            << c.situation;
        EXPECT_TRUE(s.Popup_File_Open && s.Popup_File_Close && s.Popup_File_Edit && s.Popup_File_Delete)
            << c.situation;
        EXPECT_TRUE(s.Popup_Tools_Sort && s.Btn_List && s.Popup_Parameters) << c.situation;
        EXPECT_FALSE(s.Popup_File_Add) << c.situation;
    }
}

TEST(CommandStates, EveryFlagHasItsOwnName) {
    // In the middle of a dossier every command but "Créer un dossier" and "Enregistrer" is on, so a name
    // bound to the wrong flag shows here.
    const auto named = NamedCommandStates(ComputeCommandStates(openDossier(false, false, false)));
    std::set<QString> names;
    std::set<QString> off;
    for (const auto& [name, on] : named) {
        names.insert(name);
        if (!on)
            off.insert(name);
    }
    EXPECT_EQ(names.size(), named.size());
    EXPECT_EQ(off, (std::set<QString>{"Popup_File_Add", "Btn_Main_Record"}));
    EXPECT_EQ(sizeof(CommandStates), named.size() * sizeof(bool));
}
