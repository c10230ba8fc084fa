// SPDX-License-Identifier: GPL-3.0-or-later
// hexaline-protocol-export FILE: writes the message table as JSON, for the browser client.
//
//   {"version":"1.0.1","terminator":255,"separator":"+","messages":[
//     {"id":"Login","word":"CMD_logininfo","direction":"toHost","head":["number","text","rest"],
//      "group":[],"ending":"doubleTerminator","sentByHost":true}, ...]}
//
// Messages come in the order of the table; "id" is the message's name in the program.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "protocol_json.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: hexaline-protocol-export FILE\n", stderr);
        return 2;
    }
    const std::string json = hexaline::tools::protocolJson();
    const std::string path = argv[1];
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << json << '\n';
        if (!out.flush()) {
            std::cerr << "hexaline-protocol-export: cannot write " << temporary << '\n';
            return 1;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::cerr << "hexaline-protocol-export: cannot write " << path << '\n';
        return 1;
    }
    return 0;
}
