#pragma once

#include <QStringList>
#include <vector>

// The French words a demonstration dossier is made of.
namespace cli::fixturewords {

// A top category of the tree with what its contracts are called.
struct Domain {
    QString title;        // node title of the top category
    QString numberPrefix; // first part of the contract numbers
    QStringList subcategories;
    QStringList designations;
};

const std::vector<Domain>& domains();
// Third level of the category tree, under every subcategory.
const QStringList& branches();

struct Town {
    QString name;
    QString postcode;
};
const std::vector<Town>& towns();

const QStringList& firstNames();
const QStringList& lastNames();
const QStringList& streets();
const QStringList& nationalities();
const QStringList& personCategories();
const QStringList& companyWords();
const QStringList& companyActivities();
const QStringList& legalForms();
const QStringList& companyCategories();
const QStringList& personCapacities();
const QStringList& companyCapacities();
const QStringList& companyRoles();
const QStringList& events();
const QStringList& renewals();
const QStringList& supports();
const QStringList& keywords();
const QStringList& detailSentences();
const QStringList& remarks();
const QStringList& services();

// The location tree below its top node: sites, rooms, cupboards.
const QStringList& sites();
const QStringList& rooms();
const QStringList& cupboards();

// "Éric Lefèvre" gives "eric.lefevre" (mail addresses and web sites).
QString plainAscii(const QString& text);

} // namespace cli::fixturewords
