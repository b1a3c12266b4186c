#include "contracts/CommandStates.h"

namespace contracts {

CommandStates ComputeCommandStates(const CommandInputs& in) {
    CommandStates s;
    const bool open = in.dossierOpen;
    const bool rows = open && !in.empty;

    for (bool* flag : {&s.Tree_Global,     &s.AANotebook1,         &s.AANotebook2,
                       &s.Tab_Main,        &s.Tab_Contract,        &s.Tab_Img_File,
                       &s.Btn_State,       &s.Ed_Designation,      &s.Btn_Designation,
                       &s.Ed_No,           &s.Ed_Reference,        &s.Ed_Code,
                       &s.Ed_Date_Sign,    &s.Btn_Date_Sign,       &s.Ed_Date_Start,
                       &s.Btn_Date_Start,  &s.Ed_Date_Term,        &s.Btn_Date_Term,
                       &s.Ed_Length,       &s.Btn_Length_Inc,      &s.Btn_Length_Dec,
                       &s.Ed_Alarm,        &s.Btn_Alarm_Inc,       &s.Btn_Alarm_Dec,
                       &s.Ed_AnnualCost,   &s.Check_TacitRenewal,  &s.Ed_Support,
                       &s.Btn_Support,     &s.Ed_Renewal,          &s.Btn_Renewal,
                       &s.Ed_Category,     &s.Btn_Select_Category, &s.Btn_Delete_Category,
                       &s.Btn_Main_Add,    &s.Popup_Parameters,    &s.Popup_List,
                       &s.Btn_List,        &s.Popup_Tools_Sort,    &s.Popup_File_Close,
                       &s.Popup_File_Edit, &s.Popup_File_Delete})
        *flag = open;

    s.Btn_Main_First = rows && !in.atFirst;
    s.Btn_Main_Prior = rows && !in.atFirst;
    s.Btn_Main_Next = rows && !in.atLast;
    s.Btn_Main_Last = rows && !in.atLast;
    s.Btn_Main_Delete = rows;
    s.Btn_Main_Record = open && in.editing;
    s.contractChildCommands = rows;

    // Without a database file there is nothing to open or create, and no database to look after.
    s.Popup_Tools = in.databaseExists;
    s.Popup_Tools_DataBase = in.databaseExists;
    s.Popup_File_Open = in.databaseExists && (open || in.anyDossier);
    s.Popup_File_Add = in.databaseExists && !open;
    s.Popup_File_Properties = true;
    s.Popup_File_Exit = true;
    return s;
}

std::vector<std::pair<QString, bool>> NamedCommandStates(const CommandStates& s) {
#define CONTRATS_STATE(name)                                                                                 \
    { QStringLiteral(#name), s.name }
    return {CONTRATS_STATE(Tree_Global),
            CONTRATS_STATE(AANotebook1),
            CONTRATS_STATE(AANotebook2),
            CONTRATS_STATE(Tab_Main),
            CONTRATS_STATE(Tab_Contract),
            CONTRATS_STATE(Tab_Img_File),
            CONTRATS_STATE(Btn_State),
            CONTRATS_STATE(Ed_Designation),
            CONTRATS_STATE(Btn_Designation),
            CONTRATS_STATE(Ed_No),
            CONTRATS_STATE(Ed_Reference),
            CONTRATS_STATE(Ed_Code),
            CONTRATS_STATE(Ed_Date_Sign),
            CONTRATS_STATE(Btn_Date_Sign),
            CONTRATS_STATE(Ed_Date_Start),
            CONTRATS_STATE(Btn_Date_Start),
            CONTRATS_STATE(Ed_Date_Term),
            CONTRATS_STATE(Btn_Date_Term),
            CONTRATS_STATE(Ed_Length),
            CONTRATS_STATE(Btn_Length_Inc),
            CONTRATS_STATE(Btn_Length_Dec),
            CONTRATS_STATE(Ed_Alarm),
            CONTRATS_STATE(Btn_Alarm_Inc),
            CONTRATS_STATE(Btn_Alarm_Dec),
            CONTRATS_STATE(Ed_AnnualCost),
            CONTRATS_STATE(Check_TacitRenewal),
            CONTRATS_STATE(Ed_Support),
            CONTRATS_STATE(Btn_Support),
            CONTRATS_STATE(Ed_Renewal),
            CONTRATS_STATE(Btn_Renewal),
            CONTRATS_STATE(Ed_Category),
            CONTRATS_STATE(Btn_Select_Category),
            CONTRATS_STATE(Btn_Delete_Category),
            CONTRATS_STATE(Btn_Main_First),
            CONTRATS_STATE(Btn_Main_Prior),
            CONTRATS_STATE(Btn_Main_Next),
            CONTRATS_STATE(Btn_Main_Last),
            CONTRATS_STATE(Btn_Main_Add),
            CONTRATS_STATE(Btn_Main_Delete),
            CONTRATS_STATE(Btn_Main_Record),
            CONTRATS_STATE(contractChildCommands),
            CONTRATS_STATE(Popup_Parameters),
            CONTRATS_STATE(Popup_List),
            CONTRATS_STATE(Btn_List),
            CONTRATS_STATE(Popup_Tools),
            CONTRATS_STATE(Popup_Tools_DataBase),
            CONTRATS_STATE(Popup_Tools_Sort),
            CONTRATS_STATE(Popup_File_Open),
            CONTRATS_STATE(Popup_File_Close),
            CONTRATS_STATE(Popup_File_Add),
            CONTRATS_STATE(Popup_File_Edit),
            CONTRATS_STATE(Popup_File_Delete),
            CONTRATS_STATE(Popup_File_Properties),
            CONTRATS_STATE(Popup_File_Exit)};
#undef CONTRATS_STATE
}

} // namespace contracts
