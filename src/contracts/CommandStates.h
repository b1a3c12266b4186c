#pragma once

#include <QString>
#include <utility>
#include <vector>

namespace contracts {

// What the enabled state of the main window's commands depends on.
struct CommandInputs {
    bool databaseExists = false;
    bool anyDossier = false;  // PROFILES holds at least one row
    bool dossierOpen = false; // CurrentDossierId >= 0
    bool editing = false;     // the contract dataset is in edit or insert state
    bool empty = true;        // the contract dataset has no row
    bool atFirst = true;      // the current row is the first one (true when empty)
    bool atLast = true;       // the current row is the last one (true when empty)
};

// The enabled state of each command, named as its control or menu item.
struct CommandStates {
    // Navigation tree, notebooks and tabs
    bool Tree_Global = false;
    bool AANotebook1 = false;
    bool AANotebook2 = false;
    bool Tab_Main = false;
    bool Tab_Contract = false;
    bool Tab_Img_File = false;
    bool Btn_State = false;
    // Page "Description"
    bool Ed_Designation = false;
    bool Btn_Designation = false;
    bool Ed_No = false;
    bool Ed_Reference = false;
    bool Ed_Code = false;
    bool Ed_Date_Sign = false;
    bool Btn_Date_Sign = false;
    bool Ed_Date_Start = false;
    bool Btn_Date_Start = false;
    bool Ed_Date_Term = false;
    bool Btn_Date_Term = false;
    bool Ed_Length = false;
    bool Btn_Length_Inc = false;
    bool Btn_Length_Dec = false;
    bool Ed_Alarm = false;
    bool Btn_Alarm_Inc = false;
    bool Btn_Alarm_Dec = false;
    bool Ed_AnnualCost = false;
    bool Check_TacitRenewal = false;
    bool Ed_Support = false;
    bool Btn_Support = false;
    bool Ed_Renewal = false;
    bool Btn_Renewal = false;
    bool Ed_Category = false;
    bool Btn_Select_Category = false;
    bool Btn_Delete_Category = false;
    // The seven buttons under the tree
    bool Btn_Main_First = false;
    bool Btn_Main_Prior = false;
    bool Btn_Main_Next = false;
    bool Btn_Main_Last = false;
    bool Btn_Main_Add = false;
    bool Btn_Main_Delete = false;
    bool Btn_Main_Record = false;
    // Party grids, event grid, image list, file grid and their commands: the gate the later rules refine.
    bool contractChildCommands = false;
    // Menus and side buttons
    bool Popup_Parameters = false; // "&Paramètrage"
    bool Popup_List = false;       // "&Liste"
    bool Btn_List = false;         // side button "Liste"
    bool Popup_Tools = false;      // "&Outils"
    bool Popup_Tools_DataBase = false;
    bool Popup_Tools_Sort = false;
    // File menu
    bool Popup_File_Open = false;
    bool Popup_File_Close = false;
    bool Popup_File_Add = false;
    bool Popup_File_Edit = false;
    bool Popup_File_Delete = false;
    bool Popup_File_Properties = false;
    bool Popup_File_Exit = false;

    bool operator==(const CommandStates&) const = default;
};

CommandStates ComputeCommandStates(const CommandInputs& inputs);

// Every flag with its object name ("Btn_Main_First", ...), so that a window can apply them by name.
// The party/event/image/file gate is listed as "contractChildCommands".
std::vector<std::pair<QString, bool>> NamedCommandStates(const CommandStates& states);

} // namespace contracts
