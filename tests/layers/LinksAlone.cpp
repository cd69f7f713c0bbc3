// Linked with one layer's library as a whole (every object of it) and the layers below: the program
// builds only when that layer calls nothing above it. Running it proves nothing more.
int main(void)
{
    return 0;
}
