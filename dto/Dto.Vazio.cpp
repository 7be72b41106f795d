// Placeholder so the library has a source until the objects arrive.
namespace {
[[maybe_unused]] int dtoVazio = 0;
}
