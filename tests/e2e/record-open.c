/* Stands in for the programs the shell would start for ".html" and ".txt" files while the checks
   run: it only appends the name it was given to C:\vornix-e2e\opened.txt, so no browser or editor
   ever starts and the checks can see what the program asked the shell to open. */
#include <windows.h>
#include <stdio.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    FILE* log = fopen("C:\\vornix-e2e\\opened.txt", "ab");
    (void)instance;
    (void)previous;
    (void)show;
    if (!log) return 1;
    fprintf(log, "%s\r\n", commandLine);
    fclose(log);
    return 0;
}
