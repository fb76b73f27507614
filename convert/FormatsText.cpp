#include "convert/FormatsText.h"

namespace kestal {

// The message box breaks lines at CR and at CR LF; the tabs line the patterns up.
std::string FormatsText() {
  std::string text;
  text += "KESTAL DATE - Formato date";
  text += "\r\r\n";
  text += "I formati di date accettati dal programma sono i seguenti:";
  text += "\r\r\n";
  text += "Data attuale:";
  text += "\t\t";
  text += "GG/MM/AAAA";
  text += "\r";
  text += "Data astrale calssica:";
  text += "\t";
  text += "X/YYYY.ZZ";
  text += "\r";
  text += "Data stellare Next Generation:";
  text += "\t";
  text += "XXXXX.X";
  text += "\r\r\n";
  text += "Gli ultimi due formati possono essere preceduti dal segno meno.";
  text += "\r";
  return text;
}

}  // namespace kestal
