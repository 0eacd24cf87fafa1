/* The floor for the tool's whole run: a minimal C program that parses the file with inih
 * and prints the names the records list would show. */
#include <ini.h>
#include <stdio.h>
#include <string.h>

static int print_names(void* user, const char* section, const char* name, const char* value) {
    (void)user;
    (void)section;
    if (strcmp(name, "SYMB_NAME") == 0 || strcmp(name, "TP_NAME") == 0 ||
        strcmp(name, "PROFILE_NAME") == 0 || strcmp(name, "HOST_NAME") == 0)
        printf("%s\n", value);
    return 1;
}

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    return ini_parse(argv[1], print_names, NULL) < 0 ? 1 : 0;
}
