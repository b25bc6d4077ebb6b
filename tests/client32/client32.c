/* A stand-in for the mail client in the tests: a 32-bit program that reads
 * and writes the registry in its own, default view, as the client does.
 *   client32 get ROOT PATH NAME        prints the REG_SZ value
 *   client32 set ROOT PATH NAME TEXT   writes it as REG_SZ, creating the key
 *   client32 has ROOT PATH             tells by its exit code whether the key is there
 * ROOT is HKLM, HKCR or HKCU. Exit code 0: done, 2: absent, 1: failed. */
#include <windows.h>
#include <stdio.h>
#include <string.h>

static HKEY RootOf(const char *name)
{
    if (strcmp(name, "HKLM") == 0)
        return HKEY_LOCAL_MACHINE;
    if (strcmp(name, "HKCR") == 0)
        return HKEY_CLASSES_ROOT;
    if (strcmp(name, "HKCU") == 0)
        return HKEY_CURRENT_USER;
    return NULL;
}

int main(int argc, char **argv)
{
    HKEY root, key;
    char data[1024];
    DWORD size = sizeof data, type = 0;
    LONG rc;
    if (argc < 4 || !(root = RootOf(argv[2])))
        return 1;
    if (strcmp(argv[1], "set") == 0 && argc == 6) {
        if (RegCreateKeyExA(root, argv[3], 0, NULL, 0, KEY_SET_VALUE, NULL, &key, NULL) != ERROR_SUCCESS)
            return 1;
        rc = RegSetValueExA(key, argv[4], 0, REG_SZ, (const BYTE *)argv[5], (DWORD)strlen(argv[5]) + 1);
        RegCloseKey(key);
        return rc == ERROR_SUCCESS ? 0 : 1;
    }
    rc = RegOpenKeyExA(root, argv[3], 0, KEY_QUERY_VALUE, &key);
    if (rc == ERROR_FILE_NOT_FOUND)
        return 2;
    if (rc != ERROR_SUCCESS)
        return 1;
    if (strcmp(argv[1], "has") == 0 && argc == 4) {
        RegCloseKey(key);
        return 0;
    }
    if (strcmp(argv[1], "get") == 0 && argc == 5) {
        rc = RegQueryValueExA(key, argv[4], NULL, &type, (BYTE *)data, &size);
        RegCloseKey(key);
        if (rc == ERROR_FILE_NOT_FOUND)
            return 2;
        if (rc != ERROR_SUCCESS || type != REG_SZ || size == 0)
            return 1;
        data[size - 1] = '\0';
        fputs(data, stdout);
        return 0;
    }
    RegCloseKey(key);
    return 1;
}
