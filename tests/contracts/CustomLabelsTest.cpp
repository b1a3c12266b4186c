#include "contracts/CustomLabels.h"

#include "ContractsFixture.h"
#include "app/AppError.h"

using namespace contracts;

namespace {

QStringList defaults() {
    QStringList captions;
    for (int n = 1; n <= 12; ++n)
        captions << QStringLiteral("Divers %1").arg(n);
    return captions;
}

class CustomLabelsTest : public ContractsFixture {};

} // namespace

TEST_F(CustomLabelsTest, TheDossiersRowIsAppendedOnceAndEmptyTextsShowTheDefaultCaption) {
    EXPECT_EQ(LoadCustomLabels(connection(), 3), defaults());
    EXPECT_EQ(LoadCustomLabels(connection(), 3), defaults());
    EXPECT_EQ(count("SELECT COUNT(*) FROM CUSTOMLAB WHERE Id_File=3"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CUSTOMLAB WHERE Contract_Misc01 IS NULL"), 1);

    // A row written elsewhere with empty texts reads the same.
    insert("INSERT INTO CUSTOMLAB (Id_File, Contract_Misc01, Contract_Misc12) VALUES (4, '', 'Notes')");
    QStringList expected = defaults();
    expected[11] = QStringLiteral("Notes");
    EXPECT_EQ(LoadCustomLabels(connection(), 4), expected);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CUSTOMLAB"), 2);
}

TEST_F(CustomLabelsTest, RenamingStoresTheCaptionForThatDossierOnly) {
    LoadCustomLabels(connection(), 3);
    LoadCustomLabels(connection(), 4);
    RenameCustomLabel(connection(), 3, 7, QStringLiteral("Loyer d'été"));
    RenameCustomLabel(connection(), 3, 12, QStringLiteral("Remarques"));
    QStringList expected = defaults();
    expected[6] = QStringLiteral("Loyer d'été");
    expected[11] = QStringLiteral("Remarques");
    EXPECT_EQ(LoadCustomLabels(connection(), 3), expected);
    EXPECT_EQ(LoadCustomLabels(connection(), 4), defaults());

    // A dossier without its row gets it first.
    RenameCustomLabel(connection(), 5, 1, QStringLiteral("Agence"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM CUSTOMLAB WHERE Id_File=5"), 1);
    EXPECT_EQ(LoadCustomLabels(connection(), 5).first(), "Agence");
}

TEST_F(CustomLabelsTest, ANumberOutOfRangeOrAnEmptyCaptionIsRefused) {
    EXPECT_THROW(RenameCustomLabel(connection(), 3, 0, QStringLiteral("x")), app::AppError);
    EXPECT_THROW(RenameCustomLabel(connection(), 3, 13, QStringLiteral("x")), app::AppError);
    EXPECT_THROW(RenameCustomLabel(connection(), 3, 1, QString()), app::AppError);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CUSTOMLAB"), 0);
}
