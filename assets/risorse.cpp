// The pictures are compiled in as Qt resources; this unit only gives the library a body.
namespace numerella {
int risorseCollegate()
{
    return 1;
}
} // namespace numerella
