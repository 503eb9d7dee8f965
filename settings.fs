True|
