#include "config_generator.h"

#include <cstdio>
#include <fstream>

namespace {

void key(std::string& out, const char* name, const std::string& value) {
    out += name;
    out += '=';
    out += value;
    out += "\r\n";
}

std::string pad(std::size_t n, int width) {
    std::string digits = std::to_string(n);
    return std::string(digits.size() < static_cast<std::size_t>(width)
                           ? static_cast<std::size_t>(width) - digits.size()
                           : 0,
                       '0') +
           digits;
}

void cpicSection(std::string& out, std::size_t i) {
    std::string n = pad(i, 6);
    out += ";\r\n[CPIC_INFO]\r\n";
    key(out, "SYMB_NAME", "SD" + n);
    key(out, "LOCAL_LU", "*");
    key(out, "PART_LU", "NETA.LU" + n);
    key(out, "MODE", "#INTER");
    key(out, "REMOTE_TP", "PAYROLL" + n);
    key(out, "SEC_TYPE", i % 3 == 0 ? "2" : "0");
    key(out, "TP_TYPE", "0");
    key(out, "SEC_PW", i % 3 == 0 ? "693A51961E5D" : "");
    key(out, "SEC_USERID", i % 3 == 0 ? "CLERK" : "");
    key(out, "PLU_TYPE", "1");
}

void systemSection(std::string& out, std::size_t i) {
    out += ";\r\n[NODEX_SYSTEM]\r\n";
    // Names out of letter order, as systems added over the years are.
    key(out, "HOST_NAME", "AS" + pad(i * 7919 % 1000000, 6));
    key(out, "USER_NAME", "QUSER" + pad(i, 6).substr(2));
    key(out, "PASSWORD", "6A3E41976A3BD5B5");
    key(out, "DEFAULT", i == 0 ? "1" : "0");
}

} // namespace

std::string generateCpicConfiguration(std::size_t sections) {
    std::string out = "%Arvenco SNA Client Configuration File\r\n;\r\n";
    for (std::size_t i = 0; i < sections; ++i)
        cpicSection(out, i);
    out += ";;  END";
    return out;
}

std::string generateConfiguration(std::size_t sections) {
    return generateConfiguration(sections, (sections > 3 ? sections - 3 : 0) / 100);
}

std::string generateConfiguration(std::size_t sections, std::size_t systems) {
    std::string out = "%Arvenco SNA Client Configuration File\r\n;\r\n";
    out.reserve(sections * 170);
    auto section = [&out](const char* name) {
        out += ";\r\n[";
        out += name;
        out += "]\r\n";
    };
    std::size_t records = sections > 3 ? sections - 3 : 0;
    for (std::size_t i = 0; i < records; ++i) {
        std::string n = pad(i, 6);
        if (i < systems) {
            systemSection(out, i);
        } else if (i % 20 < 9) {
            cpicSection(out, i);
        } else if (i % 20 < 14) {
            section("CLIENT_ATTACH");
            key(out, "TP_NAME", "ORDERTP" + n);
            key(out, "LU_NAME", "*");
            key(out, "PATH", "C:\\Program Files\\Orders\\bin\\ordtp" + n + ".exe");
            key(out, "PARM_STRING", "-q -l " + n);
            key(out, "TP_OP", "0");
            key(out, "TP_TYPE", "0");
        } else {
            section("LUX_PROFILE");
            key(out, "PROFILE_NAME", "LX" + n);
            key(out, "SESSION", "HOST" + n + ",*,0,LU" + n + ",TCP/IP,,ENC_OFF");
            key(out, "SESSION", "*,*,1,,TCP/IP,SCOPE1,ENC_OPT");
            key(out, "SESSION", ",*,1,,TCP/IP,,ENC_OFF");
            key(out, "SESSION", ",*,1,,TCP/IP,,ENC_OFF");
        }
    }
    if (sections >= 1) {
        section("GLOBAL");
        key(out, "USER_NAME", "ADMIN");
        key(out, "PASSWORD", "");
        key(out, "TRANSLATE_TABLE", "C:\\SNA\\COMTBLG.DAT");
        key(out, "DEF_LU_ALIAS", "*");
        key(out, "DEF_PLU_ALIAS", "*");
        key(out, "LU62_LB", "1");
    }
    if (sections >= 2) {
        section("APPC");
        key(out, "SELECT", "SERVER");
        key(out, "SERVER", "snasrv1.example.net,TCP/IP,ENC_OFF");
        key(out, "SERVER", "snasrv2.example.net,TCP/IP,ENC_ON");
        key(out, "SERVER", "");
        key(out, "SERVER", "");
        key(out, "SCOPE", "*,TCP,ENC_OFF");
    }
    if (sections >= 3) {
        section("TRACE");
        key(out, "FILE", "");
        key(out, "FLAGS", "0x0000");
    }
    out += ";;  END";
    return out;
}

std::string writeGeneratedConfiguration(const std::string& dir, std::size_t sections) {
    std::string path = dir + "/generated-" + std::to_string(sections) + ".ini";
    std::ofstream(path, std::ios::binary) << generateConfiguration(sections);
    return path;
}

std::string writeGeneratedConfiguration(const std::string& dir, std::size_t sections,
                                        std::size_t systems) {
    std::string path = dir + "/generated-" + std::to_string(sections) + "-systems-" +
                       std::to_string(systems) + ".ini";
    std::ofstream(path, std::ios::binary) << generateConfiguration(sections, systems);
    return path;
}
