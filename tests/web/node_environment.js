// The test programs under node read the environment that ctest gives them (getenv), not the
// fixed one that Emscripten otherwise makes up.
Module['preRun'] = (Module['preRun'] || []).concat(function () {
  Object.assign(ENV, process.env);
});
