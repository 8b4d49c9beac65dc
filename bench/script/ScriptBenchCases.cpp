#include "ScriptBenchCases.h"

namespace {

const int kColumns = 20;
const int kRows = 15;

// Walls of the flood-fill grid, one bit per column and one number per row:
// 20 bits stay exact in a float. The corner (0, 0) where the fill starts is
// free.
int WallMask(int row)
{
    int mask = 0;
    for (int x = 0; x < kColumns; ++x)
        if ((x * 7 + row * 3) % 5 == 0 && (x > 0 || row > 0))
            mask |= 1 << x;
    return mask;
}

// The rows are globals R0..R14 (walls) and F0..F14 (filled cells). The
// language reads a global only by its written name, so each pass over a row
// picks that row's globals with a chain of `if`s, as a game author would.
BenchCase FloodFill()
{
    std::string script;
    std::string lua = "local changed, passes = 1, 0\n"
                      "local wall, cur, up, down, p, q, h, bit, above, below, left, right\n";
    for (int row = 0; row < kRows; ++row) {
        const std::string r = std::to_string(row);
        script += "SetGlobalNum \"R" + r + "\" , " + std::to_string(WallMask(row)) + " ;\n";
        script += "SetGlobalNum \"F" + r + "\" , " + (row == 0 ? "1" : "0") + " ;\n";
        lua += "R" + r + " = " + std::to_string(WallMask(row)) + "\n";
        lua += "F" + r + " = " + (row == 0 ? "1" : "0") + "\n";
    }
    script += "int changed = 1 ; int passes = 0 ; int y ; int x ; int p ; int q ; int h ; int bit ;\n"
              "int wall ; int cur ; int up ; int down ; int above ; int below ; int left ; int right ;\n"
              "while changed > 0 do\n"
              "  changed = 0 ; passes = passes + 1 ; y = -1 ;\n"
              "  for \"y\" to 14 do\n";
    lua += "while changed > 0 do\n"
           "  changed = 0 passes = passes + 1\n"
           "  for y = 0, 14 do\n";
    for (int row = 0; row < kRows; ++row) {
        const std::string r = std::to_string(row);
        const std::string up = row == 0 ? "0" : "F" + std::to_string(row - 1);
        const std::string down = row == kRows - 1 ? "0" : "F" + std::to_string(row + 1);
        script += "    if y == " + r + " then wall = R" + r + " ; cur = F" + r + " ; up = " + up + " ; down = " +
                  down + " ; endif\n";
        lua += "    if y == " + r + " then wall = R" + r + " cur = F" + r + " up = " + up + " down = " + down +
               " end\n";
    }
    script += "    x = -1 ;\n"
              "    for \"x\" to 19 do\n"
              "      p = 2 ^ x ; q = cur / p ; h = q / 2 ; bit = q - h * 2 ;\n"
              "      if bit == 0 then\n"
              "        q = wall / p ; h = q / 2 ;\n"
              "        if q - h * 2 == 0 then\n"
              "          q = up / p ; h = q / 2 ; above = q - h * 2 ;\n"
              "          q = down / p ; h = q / 2 ; below = q - h * 2 ;\n"
              "          left = 0 ; right = 0 ;\n"
              "          if x > 0 then q = cur / ( p / 2 ) ; h = q / 2 ; left = q - h * 2 ; endif\n"
              "          if x < 19 then q = cur / ( p * 2 ) ; h = q / 2 ; right = q - h * 2 ; endif\n"
              "          if above + below + left + right > 0 then cur = cur + p ; changed = 1 ; endif\n"
              "        endif\n"
              "      endif\n"
              "    next\n"
              "    SetGlobalNum \"F\" y , cur ;\n"
              "  next\n"
              "endwhile\n"
              "Console passes ;";
    lua += "    for x = 0, 19 do\n"
           "      p = 1 << x q = cur // p h = q // 2 bit = q - h * 2\n"
           "      if bit == 0 then\n"
           "        q = wall // p h = q // 2\n"
           "        if q - h * 2 == 0 then\n"
           "          q = up // p h = q // 2 above = q - h * 2\n"
           "          q = down // p h = q // 2 below = q - h * 2\n"
           "          left = 0 right = 0\n"
           "          if x > 0 then q = cur // (p // 2) h = q // 2 left = q - h * 2 end\n"
           "          if x < 19 then q = cur // (p * 2) h = q // 2 right = q - h * 2 end\n"
           "          if above + below + left + right > 0 then cur = cur + p changed = 1 end\n"
           "        end\n"
           "      end\n"
           "    end\n"
           "    _G[\"F\" .. y] = cur\n"
           "  end\n"
           "end\n"
           "return tostring(passes)";
    return BenchCase{"flood_fill_20x15", script, lua};
}

} // namespace

std::vector<BenchCase> ScriptBenchCases()
{
    std::vector<BenchCase> cases = {
        {"while_1M",
         "int i = 0 ;\n"
         "while i < 1000000 do i = i + 1 ; endwhile\n"
         "Console i ;",
         "local i = 0\n"
         "while i < 1000000 do i = i + 1 end\n"
         "return tostring(i)"},
        {"nested_for_300x300",
         "int s = 0 ; int b ;\n"
         "for \"a\" to 300 do\n"
         "  b = 0 ;\n"
         "  for \"b\" to 300 do s = s + a - b + 1 ; next\n"
         "next\n"
         "Console s ;",
         "local s = 0\n"
         "for a = 1, 300 do for b = 1, 300 do s = s + a - b + 1 end end\n"
         "return tostring(s)"},
        {"string_build_5000",
         "string s = \"\" ; int i = 0 ;\n"
         "while i < 5000 do s = s \"x\" i ; i = i + 1 ; endwhile\n"
         "Console s ;",
         "local s = \"\" local i = 0\n"
         "while i < 5000 do s = s .. \"x\" .. i i = i + 1 end\n"
         "return s"},
        // A talk with a character, replayed: which branch a line takes
        // depends on game-wide globals that the earlier lines changed.
        {"dialogue_globals_20000",
         "SetGlobalNum \"QUETE\" , 0 ; SetGlobalNum \"OR\" , 100 ; SetGlobalNum \"AMITIE\" , 0 ;\n"
         "int n = 0 ; int choix ; int q ;\n"
         "while n < 20000 do\n"
         "  q = n / 3 ; choix = n - q * 3 ;\n"
         "  if QUETE == 0 then\n"
         "    if choix == 0 then SetGlobalNum \"QUETE\" , 1 ;\n"
         "    else\n"
         "      if choix == 1 then SetGlobalNum \"AMITIE\" , AMITIE + 1 ; else SetGlobalNum \"OR\" , OR - 1 ; endif\n"
         "    endif\n"
         "  else\n"
         "    if OR > 50 then SetGlobalNum \"OR\" , OR - 2 ; SetGlobalNum \"QUETE\" , 0 ;\n"
         "    else SetGlobalNum \"OR\" , OR + 30 ; endif\n"
         "  endif\n"
         "  n = n + 1 ;\n"
         "endwhile\n"
         "Console QUETE \" \" OR \" \" AMITIE ;",
         "QUETE = 0 OR = 100 AMITIE = 0\n"
         "local n = 0 local choix local q\n"
         "while n < 20000 do\n"
         "  q = n // 3 choix = n - q * 3\n"
         "  if QUETE == 0 then\n"
         "    if choix == 0 then QUETE = 1\n"
         "    else\n"
         "      if choix == 1 then AMITIE = AMITIE + 1 else OR = OR - 1 end\n"
         "    end\n"
         "  else\n"
         "    if OR > 50 then OR = OR - 2 QUETE = 0\n"
         "    else OR = OR + 30 end\n"
         "  end\n"
         "  n = n + 1\n"
         "end\n"
         "return QUETE .. \" \" .. OR .. \" \" .. AMITIE"},
        // Customers walk along a shop's twelve numbered items, buying what
        // they can afford until the stock is sold.
        {"shop_200x12",
         "int bourse = 5000 ; int achats = 0 ; int stock = 0 ; int prix ; int client ; int item ;\n"
         "for \"client\" to 200 do\n"
         "  item = 0 ;\n"
         "  for \"item\" to 12 do\n"
         "    prix = item * 5 + 3 ;\n"
         "    if item > 6 then prix = prix * 2 ; endif\n"
         "    if bourse >= prix then\n"
         "      if stock < 1500 then bourse = bourse - prix ; achats = achats + 1 ; stock = stock + 1 ;\n"
         "      else break ; endif\n"
         "    else\n"
         "      bourse = bourse + 40 ;\n"
         "    endif\n"
         "  next\n"
         "next\n"
         "Console bourse \" \" achats \" \" stock ;",
         "local bourse, achats, stock, prix = 5000, 0, 0, 0\n"
         "for client = 1, 200 do\n"
         "  for item = 1, 12 do\n"
         "    prix = item * 5 + 3\n"
         "    if item > 6 then prix = prix * 2 end\n"
         "    if bourse >= prix then\n"
         "      if stock < 1500 then bourse = bourse - prix achats = achats + 1 stock = stock + 1\n"
         "      else break end\n"
         "    else\n"
         "      bourse = bourse + 40\n"
         "    end\n"
         "  end\n"
         "end\n"
         "return bourse .. \" \" .. achats .. \" \" .. stock"},
    };
    cases.push_back(FloodFill());
    return cases;
}
