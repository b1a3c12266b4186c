#include "cli/FixtureWords.h"

namespace cli::fixturewords {

namespace {

QStringList words(std::initializer_list<const char*> list) {
    QStringList result;
    for (const char* word : list)
        result << QString::fromUtf8(word);
    return result;
}

Domain domain(const char* title, const char* prefix, std::initializer_list<const char*> subcategories,
              std::initializer_list<const char*> designations) {
    return {QString::fromUtf8(title), QString::fromUtf8(prefix), words(subcategories), words(designations)};
}

} // namespace

const std::vector<Domain>& domains() {
    static const std::vector<Domain> list = {
        domain("Assurances", "ASS",
               {"Habitation", "Flotte automobile", "Responsabilité civile", "Multirisque", "Prévoyance",
                "Santé"},
               {"Contrat d'assurance multirisque", "Assurance flotte automobile",
                "Assurance responsabilité civile", "Contrat de prévoyance collective",
                "Mutuelle d'entreprise"}),
        domain("Immobilier", "IMM",
               {"Baux commerciaux", "Baux d'habitation", "Charges", "Travaux", "Parkings", "Entrepôts"},
               {"Bail commercial", "Bail de location", "Location de parking", "Contrat de syndic",
                "Location d'entrepôt"}),
        domain("Informatique", "INF",
               {"Logiciels", "Matériel", "Hébergement", "Infogérance", "Sécurité", "Licences"},
               {"Licence logicielle", "Contrat d'infogérance", "Hébergement des serveurs",
                "Maintenance du parc informatique", "Abonnement logiciel en ligne"}),
        domain("Télécommunications", "TEL",
               {"Téléphonie fixe", "Téléphonie mobile", "Accès Internet", "Standard", "Fibre optique",
                "Visioconférence"},
               {"Abonnement téléphonique", "Forfait mobile", "Accès Internet très haut débit",
                "Location du standard", "Liaison fibre optique"}),
        domain("Véhicules", "VEH",
               {"Location longue durée", "Crédit-bail", "Entretien", "Carburant", "Péages", "Utilitaires"},
               {"Location longue durée", "Crédit-bail véhicule", "Entretien des véhicules", "Carte carburant",
                "Location de véhicule utilitaire"}),
        domain("Énergie", "ENE",
               {"Électricité", "Gaz", "Eau", "Chauffage", "Climatisation", "Photovoltaïque"},
               {"Fourniture d'électricité", "Fourniture de gaz naturel", "Contrat de distribution d'eau",
                "Maintenance de la chaudière", "Entretien de la climatisation"}),
        domain("Banque et finance", "BAN",
               {"Comptes", "Crédits", "Placements", "Cartes", "Affacturage", "Terminaux de paiement"},
               {"Convention de compte", "Prêt professionnel", "Contrat d'affacturage",
                "Location de terminal de paiement", "Contrat de placement"}),
        domain("Entretien", "ENT",
               {"Nettoyage", "Ascenseurs", "Espaces verts", "Sécurité incendie", "Gardiennage", "Déchets"},
               {"Contrat de nettoyage des locaux", "Maintenance des ascenseurs",
                "Entretien des espaces verts", "Vérification des extincteurs", "Collecte des déchets"}),
        domain(
            "Personnel", "PER",
            {"Intérim", "Formation", "Restauration", "Médecine du travail", "Titres-restaurant", "Mutuelle"},
            {"Contrat de mise à disposition", "Convention de formation", "Contrat de restauration collective",
             "Adhésion au service de santé au travail", "Fourniture de titres-restaurant"}),
        domain("Fournisseurs", "FOU",
               {"Fournitures de bureau", "Matières premières", "Emballages", "Mobilier", "Imprimerie",
                "Transport"},
               {"Accord-cadre de fournitures", "Contrat d'approvisionnement", "Fourniture d'emballages",
                "Location de mobilier", "Contrat de transport"}),
        domain("Juridique et conseil", "JUR",
               {"Avocats", "Expertise comptable", "Commissariat aux comptes", "Conseil",
                "Propriété intellectuelle", "Recouvrement"},
               {"Convention d'honoraires", "Lettre de mission comptable", "Mandat de commissaire aux comptes",
                "Contrat de conseil", "Dépôt de marque"}),
        domain("Marketing", "MKT",
               {"Publicité", "Salons", "Impression", "Site Internet", "Relations presse", "Études"},
               {"Contrat d'achat d'espace", "Réservation de stand", "Impression de catalogues",
                "Maintenance du site Internet", "Étude de marché"}),
    };
    return list;
}

const QStringList& branches() {
    static const QStringList list =
        words({"Siège", "Région Nord", "Région Sud", "Région Est", "Région Ouest", "International"});
    return list;
}

const std::vector<Town>& towns() {
    static const std::vector<Town> list = [] {
        const std::initializer_list<std::pair<const char*, const char*>> pairs = {
            {"Paris", "75008"},       {"Lyon", "69002"},
            {"Marseille", "13001"},   {"Toulouse", "31000"},
            {"Nice", "06000"},        {"Nantes", "44000"},
            {"Strasbourg", "67000"},  {"Montpellier", "34000"},
            {"Bordeaux", "33000"},    {"Lille", "59000"},
            {"Rennes", "35000"},      {"Reims", "51100"},
            {"Le Havre", "76600"},    {"Saint-Étienne", "42000"},
            {"Toulon", "83000"},      {"Grenoble", "38000"},
            {"Dijon", "21000"},       {"Angers", "49000"},
            {"Nîmes", "30000"},       {"Clermont-Ferrand", "63000"},
            {"Le Mans", "72000"},     {"Aix-en-Provence", "13100"},
            {"Brest", "29200"},       {"Tours", "37000"},
            {"Amiens", "80000"},      {"Limoges", "87000"},
            {"Annecy", "74000"},      {"Perpignan", "66000"},
            {"Metz", "57000"},        {"Besançon", "25000"},
            {"Orléans", "45000"},     {"Rouen", "76000"},
            {"Caen", "14000"},        {"Nancy", "54000"},
            {"Avignon", "84000"},     {"Poitiers", "86000"},
            {"La Rochelle", "17000"}, {"Pau", "64000"}};
        std::vector<Town> towns;
        for (const auto& [name, postcode] : pairs)
            towns.push_back({QString::fromUtf8(name), QString::fromUtf8(postcode)});
        return towns;
    }();
    return list;
}

const QStringList& firstNames() {
    static const QStringList list =
        words({"Jean",    "Marie",    "Pierre",   "Sophie",  "Philippe",  "Isabelle",  "Michel",  "Catherine",
               "Alain",   "Nathalie", "Nicolas",  "Sylvie",  "François",  "Christine", "Laurent", "Valérie",
               "Éric",    "Sandrine", "Stéphane", "Céline",  "Olivier",   "Véronique", "Thierry", "Hélène",
               "Patrick", "Aurélie",  "Julien",   "Camille", "Antoine",   "Émilie",    "Benoît",  "Élodie",
               "Jérôme",  "Léa",      "Frédéric", "Chloé",   "Sébastien", "Agnès",     "Gérard",  "Anaïs"});
    return list;
}

const QStringList& lastNames() {
    static const QStringList list =
        words({"Martin",    "Bernard",  "Dubois",  "Thomas",   "Robert",   "Richard",  "Petit",   "Durand",
               "Leroy",     "Moreau",   "Simon",   "Laurent",  "Lefèvre",  "Michel",   "Garcia",  "David",
               "Bertrand",  "Roux",     "Vincent", "Fournier", "Morel",    "Girard",   "André",   "Lefebvre",
               "Mercier",   "Dupont",   "Lambert", "Bonnet",   "François", "Martinez", "Legrand", "Garnier",
               "Faure",     "Rousseau", "Blanc",   "Guérin",   "Muller",   "Henry",    "Roussel", "Nicolas",
               "Perrin",    "Morin",    "Mathieu", "Clément",  "Gauthier", "Dumont",   "Lopez",   "Fontaine",
               "Chevalier", "Robin"});
    return list;
}

const QStringList& streets() {
    static const QStringList list =
        words({"rue de la République", "avenue Jean Jaurès", "boulevard Victor Hugo", "rue Pasteur",
               "place de la Mairie", "rue des Écoles", "chemin des Vignes", "allée des Tilleuls",
               "rue du Général de Gaulle", "impasse des Lilas", "quai de la Loire", "rue Nationale",
               "avenue de la Gare", "rue Émile Zola", "rue Voltaire"});
    return list;
}

const QStringList& nationalities() {
    static const QStringList list = words({"Française", "Française", "Française", "Française", "Belge",
                                           "Suisse", "Italienne", "Espagnole", "Allemande"});
    return list;
}

const QStringList& personCategories() {
    static const QStringList list = words({"Client", "Fournisseur", "Avocat", "Notaire", "Expert-comptable",
                                           "Interlocuteur", "Commercial", "Juriste"});
    return list;
}

const QStringList& companyWords() {
    static const QStringList list = words({"Dauphine", "Atlantique", "Horizon", "Provence", "Armor", "Alpes",
                                           "Normandie", "Océan", "Rhône", "Loire", "Méridien", "Vauban",
                                           "Gascogne", "Lumière", "Cévennes", "Étoile", "Bocage", "Azur"});
    return list;
}

const QStringList& companyActivities() {
    static const QStringList list =
        words({"Assurances", "Services", "Informatique", "Énergies", "Immobilier", "Télécom", "Conseil",
               "Maintenance", "Distribution", "Transports", "Finance", "Nettoyage"});
    return list;
}

const QStringList& legalForms() {
    static const QStringList list = words({"SA", "SARL", "SAS", "EURL", "SCI"});
    return list;
}

const QStringList& companyCategories() {
    static const QStringList list =
        words({"Assureur", "Bailleur", "Prestataire", "Fournisseur", "Banque", "Cabinet", "Opérateur"});
    return list;
}

const QStringList& personCapacities() {
    static const QStringList list = words(
        {"Signataire", "Interlocuteur", "Responsable du suivi", "Témoin", "Gestionnaire", "Conseiller"});
    return list;
}

const QStringList& companyCapacities() {
    static const QStringList list =
        words({"Cocontractant", "Assureur", "Bailleur", "Prestataire", "Sous-traitant", "Mandataire"});
    return list;
}

const QStringList& companyRoles() {
    static const QStringList list =
        words({"Titulaire du contrat", "Partie signataire", "Intermédiaire", "Garant", ""});
    return list;
}

const QStringList& events() {
    static const QStringList list =
        words({"Signature du contrat", "Envoi de l'exemplaire signé", "Relance du fournisseur",
               "Révision tarifaire", "Réunion de suivi", "Avenant n° 1", "Réclamation", "Facture contestée",
               "Renouvellement", "Préavis de résiliation envoyé", "Audit annuel", "Visite de contrôle"});
    return list;
}

const QStringList& renewals() {
    static const QStringList list =
        words({"Tacite reconduction", "Reconduction expresse", "Sur demande", "Sans renouvellement"});
    return list;
}

const QStringList& supports() {
    static const QStringList list =
        words({"Papier", "Électronique", "Papier et électronique", "Courriel", "Télécopie"});
    return list;
}

const QStringList& keywords() {
    static const QStringList list =
        words({"urgent", "prioritaire", "à renégocier", "résiliation", "indexation", "pénalités", "garantie",
               "confidentiel", "sous-traitance", "exclusivité", "révision annuelle", "préavis",
               "dépôt de garantie", "non-concurrence", "audit"});
    return list;
}

const QStringList& detailSentences() {
    static const QStringList list =
        words({"Le prix est révisé chaque année selon l'indice de référence.",
               "Le préavis de résiliation est de trois mois avant l'échéance.",
               "Les prestations comprennent l'intervention sur site sous 48 heures.",
               "Une pénalité de retard s'applique au-delà de dix jours ouvrés.",
               "Le contrat couvre l'ensemble des sites de l'entreprise.",
               "La facturation est trimestrielle, à terme échu.",
               "Un dépôt de garantie équivalent à trois mois a été versé.",
               "Les conditions générales ont été annexées au contrat.",
               "Toute modification fait l'objet d'un avenant signé des deux parties.",
               "Le prestataire s'engage à respecter la confidentialité des données.",
               "Le règlement s'effectue par prélèvement à trente jours.",
               "Les frais de déplacement sont inclus dans le forfait.",
               "Une réunion de suivi est prévue chaque semestre.",
               "Le contrat peut être résilié en cas de manquement grave.",
               "La garantie couvre les pièces et la main-d'œuvre."});
    return list;
}

const QStringList& remarks() {
    static const QStringList list =
        words({"À renégocier avant l'échéance.", "Dossier complet.", "Attente de l'exemplaire signé.",
               "Voir la correspondance du 12 mars.", "Comparer avec les offres concurrentes.",
               "Contact privilégié : service achats.", "Prévoir un appel d'offres.",
               "Exemplaire original au coffre."});
    return list;
}

const QStringList& services() {
    static const QStringList list =
        words({"Direction générale", "Comptabilité", "Ressources humaines", "Achats", "Informatique",
               "Services généraux", "Commercial", "Production"});
    return list;
}

const QStringList& sites() {
    static const QStringList list =
        words({"Siège social", "Agence de Lyon", "Agence de Bordeaux", "Entrepôt de Lille"});
    return list;
}

const QStringList& rooms() {
    static const QStringList list = words({"Archives", "Bureau 12", "Service juridique", "Comptabilité"});
    return list;
}

const QStringList& cupboards() {
    static const QStringList list = words({"Armoire 1", "Armoire 2", "Armoire 3"});
    return list;
}

QString plainAscii(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString plain;
    for (const QChar c : decomposed) {
        if (c == QChar(0x0153))
            plain += QStringLiteral("oe");
        else if (c.isLetterOrNumber() && c.unicode() < 128)
            plain += c.toLower();
        else if (c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char('\''))
            plain += QLatin1Char('-');
    }
    return plain;
}

} // namespace cli::fixturewords
