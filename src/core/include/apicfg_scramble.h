/* Password scrambling of the client configuration file.
 *
 * Passwords are stored as upper-case hexadecimal text of the password bytes combined
 * with a fixed 10-byte key by exclusive or. This keeps them from being read at a glance;
 * it is not encryption in any stronger sense. Link with libapicfg_scramble. */
#ifndef APICFG_SCRAMBLE_H
#define APICFG_SCRAMBLE_H

#ifdef __cplusplus
extern "C" {
#endif

/* Scrambles `length` bytes of `data` (changed in place) into `output` as 2 * length
 * hexadecimal characters and a terminating zero. `outputSize` holds the capacity of
 * `output` (at least 2 * length + 1) and receives the number of characters written.
 * Returns that number, or 0 (and *outputSize 0) on failure. */
int encryptThenEncode(unsigned char* data, int length, char* output, int* outputSize);

/* Turns `length` hexadecimal characters (even, at least 2, digits and "A"-"F" only) back
 * into the password bytes, terminated by a zero. `outputSize` holds the capacity of
 * `output` (more than length / 2) and receives the number of bytes. Returns that number,
 * or 0 (and *outputSize 0) on failure. */
int decodeThenDecrypt(const char* text, int length, unsigned char* output, int* outputSize);

#ifdef __cplusplus
}
#endif

#endif
