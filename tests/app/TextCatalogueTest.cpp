#include "app/TextCatalogue.h"

#include <gtest/gtest.h>

using app::GetText;

TEST(TextCatalogue, GivesTheTextWithItsLineBreaks) {
    EXPECT_EQ(GetText("CommonLib", "String1", QString::fromUtf8("Le fichier d'aide est introuvable !")),
              QString::fromUtf8("Le fichier d'aide est introuvable !"));
    EXPECT_EQ(GetText("ExportFile", "Message1", "Ligne 1{CR}{CR}Fichier %1{CR}"), "Ligne 1\r\rFichier %1\r");
    EXPECT_EQ(GetText("SelectDate", "String1", "laFrench"), "laFrench");
}
