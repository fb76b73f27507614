#include "console/HelpText.h"

#include "KestalVersion.h"

namespace kestal {

std::string_view HelpText() {
  return "kestaldate: la data stellare di oggi, e date e date stellari convertite.\n"
         "\n"
         "Uso:\n"
         "  kestaldate               la data stellare di oggi: su Windows nella\n"
         "                           convenzione scelta per l'icona di Kestal Date,\n"
         "                           altrove classica\n"
         "  kestaldate -c|--classic [DATA ...]\n"
         "                           la data stellare classica (X/YYYY.ZZ) di ogni data,\n"
         "                           o di oggi\n"
         "  kestaldate -n|--ng [DATA ...]\n"
         "                           la data stellare Next Generation (XXXXX.X) di ogni\n"
         "                           data, o di oggi\n"
         "  kestaldate -d|--date DATA_STELLARE ...\n"
         "                           la data di ogni data stellare: classica se contiene\n"
         "                           \"/\", altrimenti Next Generation\n"
         "  kestaldate -h|--help     questo aiuto\n"
         "  kestaldate --version     la versione\n"
         "\n"
         "Le date si scrivono GG/MM/AAAA (anche 15 giugno 2002). Un solo \"-\" al posto\n"
         "delle date le legge dallo standard input, una per riga, e scrive una riga per\n"
         "ciascuna; per un valore che non si converte la riga resta vuota e il motivo\n"
         "va sullo standard error. Dopo \"--\" ogni parola è una data, anche se comincia\n"
         "con \"-\".\n"
         "\n"
         "Esempi:\n"
         "  kestaldate -c 26/07/1967        scrive -1/6707.26\n"
         "  kestaldate -d -320545.2         scrive Sabato 15 Giugno 2002\n"
         "  kestaldate -n - < date.txt      una data stellare per ogni riga di date.txt\n"
         "\n"
         "Stato di uscita: 0 se tutto è stato convertito, 1 se un valore non si\n"
         "converte, 2 se la riga di comando non è valida.";
}

std::string VersionText() {
  return "kestaldate (" KESTAL_PRODUCT_NAME ") " KESTAL_VERSION_TEXT;
}

}  // namespace kestal
